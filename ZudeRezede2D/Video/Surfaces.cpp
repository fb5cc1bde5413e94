// SPDX-License-Identifier: GPL-3.0-or-later
#include "Surfaces.h"

#include <utility>

#include "Common/Exception.h"

namespace zr2d {

Surfaces::Surfaces(std::string id, std::vector<Surface> parts, common::Point2D size)
    : id_(std::move(id)), parts_(std::move(parts)), size_(size) {
    if (id_.empty()) throw common::ArgumentException("Id ist nicht gesetzt");
    if (parts_.empty()) throw common::ArgumentException("Surfaces sind nicht gesetzt");
}

}  // namespace zr2d
