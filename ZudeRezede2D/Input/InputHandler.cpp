// SPDX-License-Identifier: GPL-3.0-or-later
#include "InputHandler.h"

namespace zr2d {

bool InputHandler::Contains(const std::optional<common::Point2D>& point) const {
    if (!area_ || !point) return false;
    const auto& position = area_->Position();
    const auto& size = area_->Size();
    return position.X() < point->X() && point->X() < position.X() + size.X() &&
           position.Y() < point->Y() && point->Y() < position.Y() + size.Y();
}

}  // namespace zr2d
