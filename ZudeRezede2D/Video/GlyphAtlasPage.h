// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "GlTexture.h"
#include "GlyphCell.h"
#include "Surface.h"
#include "TextureLedger.h"

namespace zr2d {

// One square texture that holds copies of glyph parts in rows. Each copy has a border of one
// texel that repeats what linear filtering reads beyond the part's edges on its own texture
// (which repeats sideways and clamps vertically), so that a glyph drawn from the page, shifted
// by a fraction or scaled, blends exactly as before and never with its neighbours.
class GlyphAtlasPage {
  public:
    // Around each copy, on every side.
    static constexpr int32_t kBorder = 1;

    GlyphAtlasPage(int32_t edge, const std::shared_ptr<TextureLedger>& ledger);

    // Copies the part onto the page; nothing when no room is left for it.
    std::optional<GlyphCell> Add(const Surface& part);
    // Every glyph copied here has been deleted since (the glyph cache was emptied).
    bool Unused() const;
    // Forgets the copies; the texture is filled anew.
    void Clear();
    const std::shared_ptr<GlTexture>& Texture() const { return texture_; }

  private:
    void Upload(const Surface& part, int32_t x, int32_t y);

    int32_t edge_;
    std::shared_ptr<GlTexture> texture_;
    std::vector<std::weak_ptr<GlTexture>> glyphs_;
    int32_t rowX_ = 0;
    int32_t rowY_ = 0;
    int32_t rowHeight_ = 0;
};

}  // namespace zr2d
