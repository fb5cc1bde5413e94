// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <vector>

#include "GlTexture.h"
#include "GlyphAtlasPage.h"
#include "GlyphCell.h"
#include "Surface.h"

namespace zr2d {

class Engine;

// Copies of the cached glyphs' texture parts on a few large textures (pages), so that a text
// draws with one bind per page instead of one per character. The glyph cache itself stays as it
// is: a part is copied from its own texture on first use and kept until shutdown. When the pages
// are full, one whose glyphs have all been deleted is filled anew before another is opened.
// Main thread only.
class GlyphAtlas {
  public:
    explicit GlyphAtlas(Engine* engine);

    // Where the part is drawn from: its copy on a page, or its own texture when it is too large
    // for a page (the largest texture edge is small).
    GlyphCell Cell(const Surface& part);
    // Deletes the pages' textures; at shutdown, with the cache's.
    void Free();
    int32_t PageCount() const { return static_cast<int32_t>(pages_.size()); }

  private:
    GlyphCell Copy(const Surface& part);
    int32_t PageEdge() const;

    Engine* engine_;
    std::vector<GlyphAtlasPage> pages_;
    // By the part's texture object, which no later texture can be mistaken for.
    std::map<std::weak_ptr<GlTexture>, GlyphCell, std::owner_less<>> cells_;
};

}  // namespace zr2d
