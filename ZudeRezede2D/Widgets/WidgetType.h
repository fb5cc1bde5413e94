// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace zr2d {

// The kind of widget, handed to a frame's node creator so that it can choose the look.
enum class WidgetType : int32_t {
    Group = 1,
    Label = 2,
    Button = 3,
    Checkbox = 4,
    GroupCheckbox = 5,
    TextEdit = 6,
    Space = 7,
};

}  // namespace zr2d
