// SPDX-License-Identifier: GPL-3.0-or-later
#include "GlyphAtlas.h"

#include <algorithm>
#include <string>

#include "Common/Exception.h"
#include "Common/MyLog.h"
#include "Engine.h"

namespace zr2d {
namespace {

// At 512 a page holds a few hundred glyphs of the game's fonts, more than a game needs; larger
// pages would only hold memory.
constexpr int32_t kLargestPageEdge = 1024;

}  // namespace

GlyphAtlas::GlyphAtlas(Engine* engine) : engine_(engine) {
    if (!engine_) throw common::ArgumentException("engine is null");
}

GlyphCell GlyphAtlas::Cell(const Surface& part) {
    const auto found = cells_.find(part.Handle());
    if (found != cells_.end()) return found->second;
    const auto room = static_cast<float>(PageEdge() - 2 * GlyphAtlasPage::kBorder);
    if (part.Size().X() > room || part.Size().Y() > room) {
        return GlyphCell{part.Handle()};
    }
    const GlyphCell cell = Copy(part);
    cells_.emplace(part.Handle(), cell);
    return cell;
}

GlyphCell GlyphAtlas::Copy(const Surface& part) {
    for (GlyphAtlasPage& page : pages_) {
        if (auto cell = page.Add(part)) return *cell;
    }
    for (GlyphAtlasPage& page : pages_) {
        if (!page.Unused()) continue;
        std::erase_if(
            cells_, [&page](const auto& entry) { return entry.second.texture == page.Texture(); });
        page.Clear();
        return *page.Add(part);
    }
    pages_.emplace_back(PageEdge(), engine_->Ledger());
    common::MyLog::Info("Glyphen-Atlas, Seite " + std::to_string(pages_.size()) + ": " +
                        std::to_string(PageEdge()) + " x " + std::to_string(PageEdge()));
    return *pages_.back().Add(part);
}

void GlyphAtlas::Free() {
    for (const GlyphAtlasPage& page : pages_) page.Texture()->Delete();
    pages_.clear();
    cells_.clear();
}

int32_t GlyphAtlas::PageEdge() const {
    return std::min(kLargestPageEdge, engine_->VideoSettings().MaxTextureSize());
}

}  // namespace zr2d
