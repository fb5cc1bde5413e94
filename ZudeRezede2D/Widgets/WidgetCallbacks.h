// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace zr2d {

class Checkbox;

// Decides a check box's change of state: receives the requested state, returns the state that
// is applied.
using CheckCallback = std::function<bool(bool requested, Checkbox& box)>;

// Told the numbers of the checked boxes of a check-box group.
using SelectionHandler = std::function<void(const std::vector<uint16_t>& selected)>;

}  // namespace zr2d
