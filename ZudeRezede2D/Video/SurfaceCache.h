// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>

#include "Surfaces.h"

namespace zr2d {

class Engine;

// One cached image and the number of its users.
class SurfaceCache {
  public:
    explicit SurfaceCache(std::shared_ptr<zr2d::Surfaces> surfaces);
    virtual ~SurfaceCache() = default;

    virtual std::shared_ptr<zr2d::Surfaces> Acquire();
    virtual void Release();
    // Deletes the textures even if users remain: only shutdown calls this.
    virtual void Free(Engine& engine);

    int32_t Count() const { return count_; }
    const std::shared_ptr<zr2d::Surfaces>& Surfaces() const { return surfaces_; }

  private:
    std::shared_ptr<zr2d::Surfaces> surfaces_;
    int32_t count_ = 1;
};

}  // namespace zr2d
