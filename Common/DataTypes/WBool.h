// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

namespace common {

// A flag that may be absent.
using WBool = std::optional<bool>;

}  // namespace common
