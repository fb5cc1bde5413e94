// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace zr2d {

// Key numbers; they index the key-state array handed to input handlers.
enum class Keys : int32_t {
    Unknown = 0,
    Backspace = 8,
    Tab = 9,
    Return = 13,
    Escape = 27,
    Space = 32,
    Delete = 127,
    // The Enter key of the number pad.
    KeypadEnter = 271,
    Up = 273,
    Down = 274,
    Right = 275,
    Left = 276,
    PageUp = 280,
    PageDown = 281,
    F9 = 290,
};

// Return or the number pad's Enter: both are Enter to the player.
constexpr bool IsEnter(Keys key) { return key == Keys::Return || key == Keys::KeypadEnter; }

}  // namespace zr2d
