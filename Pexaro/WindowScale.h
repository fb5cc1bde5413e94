// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace pexaro {

// The settings' windowScale: how much larger the window is drawn on high-resolution screens.
class WindowScale {
  public:
    static constexpr float kSmallest = 0.25f;
    static constexpr float kLargest = 8.0f;

    // A whole or decimal number (point or comma), blanks and tabs around it ignored; anything
    // else, or a value outside kSmallest..kLargest, is written as a warning and gives 1.
    static float Parse(std::string_view text);
};

}  // namespace pexaro
