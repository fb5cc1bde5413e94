// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "Common/Point2D.h"
#include "GlTexture.h"
#include "GlyphCell.h"

namespace zr2d {

// The quads of one text in drawing order, ready for Engine::DrawGlyphBatch: one vertex array,
// cut into runs of quads that share a texture, so that each run is one bind and one draw.
class GlyphBatch {
  public:
    struct Corner {
        float x;
        float y;
        float s;
        float t;
    };
    struct Run {
        std::shared_ptr<GlTexture> texture;
        int32_t first;
        int32_t count;
    };

    // A quad of the given size with its top-left corner at position, showing cell.
    void Add(const GlyphCell& cell, const common::Point2D& position, const common::Point2D& size);

    const std::vector<Corner>& Corners() const { return corners_; }
    const std::vector<Run>& Runs() const { return runs_; }

  private:
    std::vector<Corner> corners_;
    std::vector<Run> runs_;
};

}  // namespace zr2d
