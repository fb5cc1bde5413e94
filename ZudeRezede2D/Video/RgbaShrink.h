// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "MaskData.h"

struct SDL_Surface;

namespace zr2d {

// The picture shrunk by a whole factor into a new 32-bit surface with the given masks: each
// pixel the average of a factor x factor block, the remainder at the right and bottom edges
// dropped, an image without alpha channel opaque. That is what converting the picture to RGBA
// and SDL_gfx's shrinkSurface give, in one pass without the full-size copy (for a camera photo
// that copy cost more than decoding it). Null when the picture's format has no such path
// (palettes, colour keys, channels that are not whole bytes); the caller converts it first.
// Throws when the new surface cannot be made.
SDL_Surface* ShrinkToRgba(const SDL_Surface& picture, int factor, const MaskData& masks);

}  // namespace zr2d
