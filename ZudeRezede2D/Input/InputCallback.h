// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>

#include "Common/Point2D.h"
#include "EventType.h"

namespace zr2d {

// Called for every dispatched input event: whether the mouse lies inside the handler's area,
// the kind, the key-state array indexed by key number (non-zero = held) and the last known
// mouse position in window pixels (absent before the first mouse event).
using InputCallback =
    std::function<void(bool inArea, EventType kind, std::span<const uint8_t> keyState,
                       const std::optional<common::Point2D>& mousePosition)>;

}  // namespace zr2d
