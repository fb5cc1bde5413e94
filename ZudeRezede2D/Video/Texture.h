// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <utility>

#include "Common/DataTypes/WInteger.h"
#include "Common/Point2D.h"
#include "Surfaces.h"

namespace zr2d {

// What a picture or text node holds: an image plus an optional alpha of its own.
class Texture {
  public:
    explicit Texture(std::shared_ptr<zr2d::Surfaces> surfaces);
    virtual ~Texture() = default;

    virtual const std::shared_ptr<zr2d::Surfaces>& Surfaces() const { return surfaces_; }
    virtual common::Point2D Size() const { return surfaces_->Size(); }
    // A free slot for the texture's user; the video layer never reads it.
    virtual const std::shared_ptr<void>& Tag() const { return tag_; }
    virtual void SetTag(std::shared_ptr<void> tag) { tag_ = std::move(tag); }
    // When set, drawing uses this alpha instead of the current one.
    virtual common::WInteger Alpha() const { return alpha_; }
    virtual void SetAlpha(common::WInteger alpha) { alpha_ = alpha; }

  private:
    std::shared_ptr<zr2d::Surfaces> surfaces_;
    std::shared_ptr<void> tag_;
    common::WInteger alpha_;
};

}  // namespace zr2d
