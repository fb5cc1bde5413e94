// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <SDL.h>

#include "Common/UniqueResource.h"

namespace zr2d {

using SdlSurfacePtr = common::UniqueResource<SDL_Surface*, &SDL_FreeSurface>;

}  // namespace zr2d
