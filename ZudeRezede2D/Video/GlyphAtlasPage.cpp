// SPDX-License-Identifier: GPL-3.0-or-later
#include "GlyphAtlasPage.h"

#include <GL/gl.h>
// Windows' gl.h stops at OpenGL 1.1, which has no GL_CLAMP_TO_EDGE.
#include <GL/glext.h>

#include <algorithm>

namespace zr2d {
namespace {

// Pack and unpack settings as OpenGL's defaults, whatever others left behind.
void PlainPixelStore() {
    for (const GLenum setting :
         {GL_PACK_ROW_LENGTH, GL_PACK_SKIP_ROWS, GL_PACK_SKIP_PIXELS, GL_UNPACK_ROW_LENGTH,
          GL_UNPACK_SKIP_ROWS, GL_UNPACK_SKIP_PIXELS}) {
        glPixelStorei(setting, 0);
    }
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
}

}  // namespace

GlyphAtlasPage::GlyphAtlasPage(int32_t edge, const std::shared_ptr<TextureLedger>& ledger)
    : edge_(edge) {
    GLuint name = 0;
    glGenTextures(1, &name);
    texture_ = std::make_shared<GlTexture>(name, ledger);
    glBindTexture(GL_TEXTURE_2D, name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    // Left undefined: a copy is written whole, border included, before anything draws from it.
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, edge_, edge_, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
}

std::optional<GlyphCell> GlyphAtlasPage::Add(const Surface& part) {
    const int32_t width = static_cast<int32_t>(part.Size().X());
    const int32_t height = static_cast<int32_t>(part.Size().Y());
    const int32_t w = width + 2 * kBorder;
    const int32_t h = height + 2 * kBorder;
    int32_t x = rowX_;
    int32_t y = rowY_;
    int32_t rowHeight = rowHeight_;
    if (x + w > edge_) {
        x = 0;
        y += rowHeight;
        rowHeight = 0;
    }
    if (w > edge_ || y + h > edge_) return std::nullopt;
    Upload(part, x, y);
    glyphs_.push_back(part.Handle());
    rowX_ = x + w;
    rowY_ = y;
    rowHeight_ = std::max(rowHeight, h);
    const auto coordinate = [this](int32_t texel) {
        return static_cast<float>(texel) / static_cast<float>(edge_);
    };
    return GlyphCell{texture_, coordinate(x + kBorder), coordinate(y + kBorder),
                     coordinate(x + kBorder + width), coordinate(y + kBorder + height)};
}

// The part's pixels come back from its own texture: the cache keeps no others.
void GlyphAtlasPage::Upload(const Surface& part, int32_t x, int32_t y) {
    const int32_t width = static_cast<int32_t>(part.Size().X());
    const int32_t height = static_cast<int32_t>(part.Size().Y());
    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    PlainPixelStore();
    std::vector<uint32_t> pixels(static_cast<size_t>(width) * static_cast<size_t>(height));
    glBindTexture(GL_TEXTURE_2D, part.GlTextureId());
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    // Sideways the border wraps round (GL_REPEAT), vertically it repeats the edge row
    // (GL_CLAMP_TO_EDGE), as on the part's own texture.
    const int32_t w = width + 2 * kBorder;
    const int32_t h = height + 2 * kBorder;
    std::vector<uint32_t> copy(static_cast<size_t>(w) * static_cast<size_t>(h));
    for (int32_t row = 0; row < h; ++row) {
        const int32_t from = std::clamp(row - kBorder, 0, height - 1);
        for (int32_t column = 0; column < w; ++column) {
            const int32_t source = (column - kBorder + width) % width;
            copy[static_cast<size_t>(row * w + column)] =
                pixels[static_cast<size_t>(from * width + source)];
        }
    }
    glBindTexture(GL_TEXTURE_2D, texture_->Name());
    glTexSubImage2D(GL_TEXTURE_2D, 0, x, y, w, h, GL_RGBA, GL_UNSIGNED_BYTE, copy.data());
    glPopClientAttrib();
}

bool GlyphAtlasPage::Unused() const {
    return std::all_of(glyphs_.begin(), glyphs_.end(), [](const std::weak_ptr<GlTexture>& glyph) {
        const std::shared_ptr<GlTexture> held = glyph.lock();
        return !held || held->IsDeleted();
    });
}

void GlyphAtlasPage::Clear() {
    glyphs_.clear();
    rowX_ = 0;
    rowY_ = 0;
    rowHeight_ = 0;
}

}  // namespace zr2d
