// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "Common/Point2D.h"
#include "VideoSettings.h"

namespace zr2d {

// The SDL window with its OpenGL context and its modes (cursor, full screen, swap).
class Window {
  public:
    // Opens the window; throws when SDL, the colour depth or the video mode fail.
    Window(const zr2d::VideoSettings& settings, const std::string& title);
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    void ShowCursor(bool visible);
    void SwapBuffers();
    // Between window and full screen, where the SDL library can switch a running window.
    void ToggleFullscreen();
    common::Point2D Size() const { return settings_.Resolution(); }
    // With the usable largest texture edge.
    const zr2d::VideoSettings& Settings() const { return settings_; }

  private:
    void Open(const std::string& title);
    void ClampMaxTextureSize();

    zr2d::VideoSettings settings_;
};

}  // namespace zr2d
