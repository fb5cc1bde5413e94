// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "Support/LogCapture.h"
#include "Support/TempDir.h"
#include "ZudeRezede2D/GameEngine.h"

namespace testsupport {

// One window pixel.
struct Rgba {
    int r;
    int g;
    int b;
    int a;

    // The colour without its alpha, to compare with an expected colour.
    std::array<int, 3> Rgb() const { return {r, g, b}; }
};

// A real engine per test in a window of the given size, the log captured with information
// lines on, a fresh folder, and the pixels of the frame being drawn.
class WindowTest : public ::testing::Test {
  protected:
    WindowTest(int width, int height, std::string title);
    ~WindowTest() override;

    // Disposes the engine and opens a new one with that maximum texture edge (first: 512).
    void OpenEngine(int32_t maxTextureSize);
    // Window pixel with top-left origin, read from the frame being drawn.
    Rgba Pixel(int x, int y) const;
    // A w x h block of RGBA bytes, top row first.
    std::vector<uint8_t> Block(int x, int y, int w, int h) const;
    // A file in the test's folder with a white, fully opaque w x h picture.
    std::string WhitePicture(int w, int h) const;

    LogCapture log_;
    TempDir dir_;
    std::unique_ptr<zr2d::GameEngine> engine_;

  private:
    void CloseEngine();

    int width_;
    int height_;
    std::string title_;
};

}  // namespace testsupport
