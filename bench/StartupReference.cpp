// The floor of the game's start-up: the same SDL/OpenGL window (1024 x 768, RGBA, 16-bit depth,
// double buffered), one cleared frame presented, nothing else. scripts/bench.sh times it and
// takes the renderer's name from the second line.

#include <SDL.h>

#include <cstdio>
#include <cstdlib>

#include "PresentedAt.h"

int main() {
    if (SDL_Init(SDL_INIT_VIDEO) == -1) return 1;
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_ALPHA_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 16);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_SWAP_CONTROL, 1);
    if (!SDL_SetVideoMode(1024, 768, 32,
                          SDL_OPENGL | SDL_HWACCEL | SDL_HWPALETTE | SDL_DOUBLEBUF)) {
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
