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
    Up = 273,
    Down = 274,
    Right = 275,
    Left = 276,
    PageUp = 280,
    PageDown = 281,
};

}  // namespace zr2d
