// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <SDL.h>
#include <SDL_ttf.h>

#include "Common/UniqueResource.h"

namespace zr2d {

using SdlSurfacePtr = common::UniqueResource<SDL_Surface*, &SDL_FreeSurface>;
using FontHandle = common::UniqueResource<TTF_Font*, &TTF_CloseFont>;

}  // namespace zr2d
