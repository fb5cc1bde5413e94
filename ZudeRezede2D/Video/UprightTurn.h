// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ExifOrientation.h"

struct SDL_Surface;

namespace zr2d {

// A new surface holding the picture as it is meant to be seen: mirrored and turned as the
// orientation says, in the picture's own pixel format (palette, colour key and alpha flags
// kept). Throws when the new surface cannot be made.
SDL_Surface* TurnUpright(const SDL_Surface& picture, const ExifOrientation& orientation);

}  // namespace zr2d
