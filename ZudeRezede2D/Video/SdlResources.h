// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <SDL.h>
#include <SDL_ttf.h>

#include "Common/UniqueResource.h"
#include "SdlSurfacePtr.h"

namespace zr2d {

using FontHandle = common::UniqueResource<TTF_Font*, &TTF_CloseFont>;

}  // namespace zr2d
