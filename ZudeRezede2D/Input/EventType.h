// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace zr2d {

// The three kinds of input the engine hands to its input handlers.
enum class EventType : int32_t {
    MouseMove = 1,
    MouseClick = 2,  // left button released
    KeyPress = 3,
};

}  // namespace zr2d
