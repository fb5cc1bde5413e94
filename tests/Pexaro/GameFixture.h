// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "Support/GameHarness.h"

namespace pexaro::test {

// The game in a real 1024 x 768 window, run from a fresh working folder that holds the font and
// the picture sets a test makes. Frames and input are stepped by the test.
class GameTest : public ::testing::Test, protected testsupport::GameHarness {
  protected:
    // bilder/<set>/<file> for each file, each picture in its own colour.
    void MakeSet(const std::string& set, const std::vector<std::string>& files);
    // One frame of the current scene at the next 16 ms tick.
    void Frame();
    void Frames(int count);
    // Frames until the game's picture change is over (at most 10 seconds of frames).
    void FinishTransition();
    // The colour of a gradient shape's corner: 0 top left, 1 bottom left, 2 bottom right,
    // 3 top right.
    static common::Color Corner(const std::shared_ptr<zr2d::Node>& node, uint32_t corner);

    uint32_t ticks_ = 1000;
};

}  // namespace pexaro::test
