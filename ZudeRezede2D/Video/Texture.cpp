// SPDX-License-Identifier: GPL-3.0-or-later
#include "Texture.h"

#include <utility>

#include "Common/Exception.h"

namespace zr2d {

Texture::Texture(std::shared_ptr<zr2d::Surfaces> surfaces) : surfaces_(std::move(surfaces)) {
    if (!surfaces_) throw common::ArgumentException("surfaces is null");
}

}  // namespace zr2d
