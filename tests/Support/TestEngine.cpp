// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestEngine.h"

#include "Common/Platform/Platform.h"

namespace testsupport {

std::unique_ptr<zr2d::GameEngine> OpenTestEngine(int width, int height, const std::string& title,
                                                 int32_t maxTextureSize,
                                                 std::shared_ptr<zr2d::IAudioEngine> audio) {
#ifndef _WIN32
    // Fail plainly rather than fall back to text mode; Windows has one video driver anyway.
    common::Platform::SetEnvironment("SDL_VIDEODRIVER", "x11", false);
#endif
    const zr2d::VideoSettings settings(
        common::Point2D(static_cast<float>(width), static_cast<float>(height)), 32, false,
        maxTextureSize);
    return std::make_unique<zr2d::GameEngine>(settings, title, std::move(audio));
}

}  // namespace testsupport
