// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>

namespace common {

// An integer that may be absent (a node's unset transparency, for example).
using WInteger = std::optional<int32_t>;

}  // namespace common
