// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <SDL.h>

#include <cstdint>
#include <memory>

#include "Support/WindowFixture.h"

namespace testsupport {

// The engine in a 640 x 480 window with a shown scene whose camera gives the pixel view, and
// helpers to draw one frame and feed events.
class GameEngineTest : public WindowTest {
  protected:
    static constexpr int kWidth = 640;
    static constexpr int kHeight = 480;

    GameEngineTest();
    // Disposes the engine while the fixture still holds its scene.
    ~GameEngineTest() override { engine_->Dispose(); }

    // Clears, updates the current scene with ticks and leaves the frame unswapped for reading.
    void DrawFrame(uint32_t ticks = 1000);
    // A white, fully opaque w x h picture loaded as a texture.
    std::shared_ptr<zr2d::Texture> WhiteTexture(int w, int h);
    // Pushes an SDL event into the queue that Run polls.
    static void Push(SDL_Event event);
    static void PushQuit();
    static SDL_Event Click(uint16_t x, uint16_t y);

    std::shared_ptr<zr2d::Scene> scene_;
};

}  // namespace testsupport

// The engine's tests name the fixture as their own.
namespace zr2d::test {
using testsupport::GameEngineTest;
}  // namespace zr2d::test
