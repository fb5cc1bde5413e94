// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "Common/Color.h"
#include "SingleVertices.h"

namespace zr2d {

// A vertex list drawn in one colour unless its vertices bring their own.
class ColoredVertices : public SingleVertices {
  public:
    ColoredVertices(uint32_t count, const common::Color& color)
        : SingleVertices(count), color_(color) {}

    void Draw(Engine& engine) override;
    virtual common::Color Color() const { return color_; }
    virtual void SetColor(const common::Color& color) { color_ = color; }

  private:
    common::Color color_;
};

}  // namespace zr2d
