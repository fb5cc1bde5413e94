#pragma once

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>

#include "Support/LogCapture.h"
#include "Support/TempDir.h"
#include "ZudeRezede2D/GameEngine.h"

namespace zr2d::test {

// A real engine in a 640 x 480 window (under Xvfb in the test run), a shown scene whose camera
// gives the pixel view, and helpers to draw one frame and read its pixels.
class GameEngineTest : public ::testing::Test {
  protected:
    static constexpr int kWidth = 640;
    static constexpr int kHeight = 480;

    GameEngineTest();
    ~GameEngineTest() override;

    // Clears, updates the current scene with ticks and leaves the frame unswapped for reading.
    void DrawFrame(uint32_t ticks = 1000);
    // Window pixel, top-left origin: r, g, b.
    std::array<int, 3> Pixel(int x, int y) const;
    // A white, fully opaque w x h picture loaded as a texture.
    std::shared_ptr<Texture> WhiteTexture(int w, int h);
    // Pushes an SDL event into the queue that Run polls.
    static void Push(SDL_Event event);
    static void PushQuit();
    static SDL_Event Click(uint16_t x, uint16_t y);

    testsupport::LogCapture log_;
    testsupport::TempDir dir_;
    std::unique_ptr<GameEngine> engine_;
    std::shared_ptr<Scene> scene_;
};

}  // namespace zr2d::test
