// SPDX-License-Identifier: GPL-3.0-or-later
#include "Surface.h"

#include <utility>

#include "Common/Exception.h"

namespace zr2d {

Surface::Surface(std::shared_ptr<GlTexture> texture, common::Point2D size, common::Point2D position)
    : texture_(std::move(texture)), size_(size), position_(position) {
    if (!texture_ || texture_->Name() == 0) {
        throw common::ArgumentException("invalid texture-ID");
    }
}

}  // namespace zr2d
