// SPDX-License-Identifier: GPL-3.0-or-later
// The floor of the game's start-up: the same SDL/OpenGL window (1024 x 768, RGBA, 16-bit depth,
// double buffered), one cleared frame presented, nothing else. scripts/bench.sh times it and
// takes the renderer's name from the second line.

#include <cstdio>
#include <cstdlib>

#include "PresentedAt.h"
#include "ReferenceWindow.h"

int main() {
    if (!bench::OpenReferenceWindow(1024, 768)) {
        SDL_Quit();
        return 1;
    }
    SDL_WM_SetCaption("Gedächtnisspiel", nullptr);
    glClearColor(1, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    SDL_GL_SwapBuffers();
    bench::PrintPresentedAt();
    std::printf("%s\n", reinterpret_cast<const char*>(glGetString(GL_RENDERER)));
    SDL_Quit();
    return EXIT_SUCCESS;
}
