// SPDX-License-Identifier: GPL-3.0-or-later
#include "GlyphBatch.h"

namespace zr2d {

void GlyphBatch::Add(const GlyphCell& cell, const common::Point2D& position,
                     const common::Point2D& size) {
    const float x = position.X();
    const float y = position.Y();
    const float w = size.X();
    const float h = size.Y();
    if (runs_.empty() || runs_.back().texture != cell.texture) {
        runs_.push_back({cell.texture, static_cast<int32_t>(corners_.size()), 0});
    }
    // The corners in the order DrawSurfaces gives them, so that the quad faces the same way.
    corners_.push_back({x, y, cell.left, cell.top});
    corners_.push_back({x, y + h, cell.left, cell.bottom});
    corners_.push_back({x + w, y + h, cell.right, cell.bottom});
    corners_.push_back({x + w, y, cell.right, cell.top});
    runs_.back().count += 4;
}

}  // namespace zr2d
