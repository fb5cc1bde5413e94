// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>

#include "Common/Point2D.h"
#include "GlTexture.h"

namespace zr2d {

// One texture part of an image. Copies share the same OpenGL texture.
class Surface {
  public:
    // size: the padded texture size; position: the part's offset inside the image.
    Surface(std::shared_ptr<GlTexture> texture, common::Point2D size, common::Point2D position);
    virtual ~Surface() = default;
    Surface(const Surface&) = default;
    Surface& operator=(const Surface&) = default;

    virtual uint32_t GlTextureId() const { return texture_->Name(); }
    virtual common::Point2D Size() const { return size_; }
    virtual common::Point2D Position() const { return position_; }

    const std::shared_ptr<GlTexture>& Handle() const { return texture_; }

  private:
    std::shared_ptr<GlTexture> texture_;
    common::Point2D size_;
    common::Point2D position_;
};

}  // namespace zr2d
