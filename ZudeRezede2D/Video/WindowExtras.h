// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace zr2d {

// What the desktop sees of the window beyond its picture: which SDL library draws it, its size
// on high-resolution screens, its icon and switching to full screen.
class WindowExtras {
  public:
    // The SDL library in use, by version and file: the classic one or the one over SDL2.
    static std::string LibraryText();
    // Asks the library to scale the window; only the one over SDL2 can. Called before the
    // video mode is set; a scale of 1 leaves the player's own environment setting in force.
    static void RequestScale(float scale);
    // Called before the video mode is set; a missing or unreadable file leaves the default icon
    // (an information line only: the icon is no reason to warn a player).
    static void SetIcon(const std::string& file);
    // The video driver draws nowhere a player can see (SDL2's offscreen or dummy driver, which
    // sdl12-compat falls back to without a display) and the player did not choose it.
    static bool DrawsUnseen();
    // Between window and full screen, a window at the scale asked for; false where the library
    // cannot switch a running window.
    static bool ToggleFullscreen(float scale);
};

}  // namespace zr2d
