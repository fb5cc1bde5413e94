// SPDX-License-Identifier: GPL-3.0-or-later
#include "Picture.h"

#include "Common/Exception.h"

namespace zr2d {

Picture::Picture(SdlSurfacePtr surface) : surface_(std::move(surface)) {
    if (!surface_) throw common::ArgumentException("surface is null");
}

common::Point2D Picture::Size() const {
    return common::Point2D(static_cast<float>(Width()), static_cast<float>(Height()));
}

}  // namespace zr2d
