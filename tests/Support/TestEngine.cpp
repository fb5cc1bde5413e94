// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestEngine.h"

#include <cstdlib>

namespace testsupport {

std::unique_ptr<zr2d::GameEngine> OpenTestEngine(int width, int height, const std::string& title,
                                                 int32_t maxTextureSize) {
    setenv("SDL_VIDEODRIVER", "x11", 0);  // fail plainly rather than fall back to text mode
    const zr2d::VideoSettings settings(
        common::Point2D(static_cast<float>(width), static_cast<float>(height)), 32, false,
        maxTextureSize);
    return std::make_unique<zr2d::GameEngine>(settings, title, nullptr);
}

}  // namespace testsupport
