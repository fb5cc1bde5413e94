// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "ZudeRezede2D/GameEngine.h"

namespace testsupport {

// A real engine in a width x height window (under Xvfb in the test run), as tests and
// benchmarks open it; silent unless given an audio engine.
std::unique_ptr<zr2d::GameEngine> OpenTestEngine(
    int width, int height, const std::string& title, int32_t maxTextureSize,
    std::shared_ptr<zr2d::IAudioEngine> audio = nullptr);

}  // namespace testsupport
