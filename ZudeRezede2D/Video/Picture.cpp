// SPDX-License-Identifier: GPL-3.0-or-later
#include "Picture.h"

#include "Common/Exception.h"
#include "MaskData.h"

namespace zr2d {

Picture::Picture(SdlSurfacePtr surface) : surface_(std::move(surface)) {
    if (!surface_) throw common::ArgumentException("surface is null");
}

bool Picture::IsRgba(const SDL_Surface& surface) {
    const MaskData masks = RgbaMaskData();
    const SDL_PixelFormat& format = *surface.format;
    return (surface.flags & (SDL_SRCALPHA | SDL_SRCCOLORKEY)) == 0 && format.BytesPerPixel == 4 &&
           surface.pitch % 4 == 0 && format.Rmask == masks.RedMask() &&
           format.Gmask == masks.GreenMask() && format.Bmask == masks.BlueMask() &&
           format.Amask == masks.AlphaMask();
}

common::Point2D Picture::Size() const {
    return common::Point2D(static_cast<float>(Width()), static_cast<float>(Height()));
}

}  // namespace zr2d
