// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <SDL.h>

namespace bench {

// The window the engine opens (RGBA, 16-bit depth, double buffered, swap control asked for),
// without the engine: what the platform alone costs. Null when SDL cannot open it.
inline SDL_Surface* OpenReferenceWindow(int width, int height) {
    if (SDL_Init(SDL_INIT_VIDEO) == -1) return nullptr;
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_ALPHA_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 16);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_SWAP_CONTROL, 1);
    return SDL_SetVideoMode(width, height, 32,
                            SDL_OPENGL | SDL_HWACCEL | SDL_HWPALETTE | SDL_DOUBLEBUF);
}

}  // namespace bench
