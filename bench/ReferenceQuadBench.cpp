// SPDX-License-Identifier: GPL-3.0-or-later
// The renderer's fill-rate floor for one picture: a window like the engine's (1024 x 768, RGBA,
// 16-bit depth, double buffered) that clears and draws one screen-sized blended textured quad
// per frame, with nothing else in between.

#include <GL/gl.h>
#include <SDL.h>
#include <benchmark/benchmark.h>

#include <stdexcept>
#include <vector>

#include "ReferenceWindow.h"

namespace {

constexpr int kWidth = 1024;
constexpr int kHeight = 768;
// Power-of-two texture, as the engine uploads them.
constexpr int kTextureEdge = 1024;

void OpenWindow() {
    setenv("SDL_VIDEODRIVER", "x11", 0);
    if (!bench::OpenReferenceWindow(kWidth, kHeight)) {
        const std::string error = SDL_GetError();
        SDL_Quit();
        throw std::runtime_error(error);
    }
}

GLuint UploadPattern() {
    std::vector<uint32_t> pixels(kTextureEdge * kTextureEdge);
    for (size_t i = 0; i < pixels.size(); ++i) {
        pixels[i] = 0xFF000000u | static_cast<uint32_t>(i * 2654435761u >> 8 & 0xFFFFFF);
    }
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, kTextureEdge, kTextureEdge, 0, GL_RGBA,
                 GL_UNSIGNED_BYTE, pixels.data());
    return name;
}

void DrawFrame() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glColor4ub(255, 255, 255, 128);
    glBegin(GL_QUADS);
    const float right = static_cast<float>(kWidth) / kTextureEdge;
    const float bottom = static_cast<float>(kHeight) / kTextureEdge;
    glTexCoord2f(0, 0);
    glVertex2i(0, 0);
    glTexCoord2f(0, bottom);
    glVertex2i(0, kHeight);
    glTexCoord2f(right, bottom);
    glVertex2i(kWidth, kHeight);
    glTexCoord2f(right, 0);
    glVertex2i(kWidth, 0);
    glEnd();
    SDL_GL_SwapBuffers();
}

void Reference_BlendedQuad(benchmark::State& state) {
    OpenWindow();
    glViewport(0, 0, kWidth, kHeight);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, kWidth, kHeight, 0, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glClearColor(0.1f, 0.1f, 0.2f, 0);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    GLuint texture = UploadPattern();
    SDL_Event event;
    for (auto _ : state) {
        while (SDL_PollEvent(&event)) {
        }
        DrawFrame();
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["fps"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    glDeleteTextures(1, &texture);
    SDL_Quit();
}

}  // namespace

BENCHMARK(Reference_BlendedQuad)->Unit(benchmark::kMillisecond)->UseRealTime();
