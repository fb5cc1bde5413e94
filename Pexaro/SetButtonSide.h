// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace pexaro {

// The side of a set button that holds its thumbnail; the button's colour fades away from it.
enum class SetButtonSide { Left, Right };

}  // namespace pexaro
