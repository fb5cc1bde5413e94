// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Common/Point2D.h"
#include "SdlSurfacePtr.h"

namespace zr2d {

// Decoded pixels, upright and fitted, before they are cut into textures. Needs neither a window
// nor OpenGL, so a worker thread can make one; whoever holds it owns the pixels.
class Picture {
  public:
    // Throws when surface is null.
    explicit Picture(SdlSurfacePtr surface);

    int Width() const { return surface_->w; }
    int Height() const { return surface_->h; }
    common::Point2D Size() const;
    // Blitting reads but never changes the pixels; SDL's interface just takes no const.
    SDL_Surface* Pixels() const { return surface_.Get(); }

    // Whether a blit of the surface into an RGBA surface (RgbaMaskData) would copy its bytes
    // unchanged: the same bytes, alpha included, rows of whole pixels, neither blended nor keyed.
    static bool IsRgba(const SDL_Surface& surface);

  private:
    SdlSurfacePtr surface_;
};

}  // namespace zr2d
