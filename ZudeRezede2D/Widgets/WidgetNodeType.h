// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace zr2d {

// Which part of a control a node from the node creator is for. Value 2 is not requested by any
// control.
enum class WidgetNodeType : int32_t {
    Background = 0,
    MouseOver = 1,
    Check = 3,
    // Asked for so that a look may set up sounds; a creator must not return a node for it.
    Sound = 4,
};

}  // namespace zr2d
