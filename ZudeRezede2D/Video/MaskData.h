// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace zr2d {

// Channel masks of every surface the factory makes, so that its pixels upload as RGBA bytes.
class MaskData {
  public:
    MaskData(uint32_t redMask, uint32_t greenMask, uint32_t blueMask, uint32_t alphaMask)
        : redMask_(redMask), greenMask_(greenMask), blueMask_(blueMask), alphaMask_(alphaMask) {}
    virtual ~MaskData() = default;

    virtual uint32_t RedMask() const { return redMask_; }
    virtual uint32_t GreenMask() const { return greenMask_; }
    virtual uint32_t BlueMask() const { return blueMask_; }
    virtual uint32_t AlphaMask() const { return alphaMask_; }

  private:
    uint32_t redMask_;
    uint32_t greenMask_;
    uint32_t blueMask_;
    uint32_t alphaMask_;
};

// The bytes red, green, blue, alpha in this order on little-endian machines, as OpenGL takes them.
inline MaskData RgbaMaskData() { return MaskData(0x000000FF, 0x0000FF00, 0x00FF0000, 0xFF000000); }

}  // namespace zr2d
