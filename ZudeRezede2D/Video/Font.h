// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

#include "Common/Color.h"

namespace zr2d {

// A TrueType file at a point size in a colour (red, green and blue are used). Holds no SDL_ttf
// handle: the file is opened only while characters missing from the glyph cache are rendered.
class Font {
  public:
    // Checked in this order: "ttfFile nicht gesetzt", "fontId nicht gesetzt", "size <= 0"
    // (ArgumentException).
    Font(std::string fontId, std::string ttfFile, uint32_t size, const common::Color& color);
    virtual ~Font() = default;

    virtual const std::string& TtfFile() const { return ttfFile_; }
    virtual uint32_t Size() const { return size_; }
    virtual const common::Color& Color() const { return color_; }
    virtual const std::string& FontId() const { return fontId_; }

  private:
    std::string ttfFile_;
    uint32_t size_;
    common::Color color_;
    std::string fontId_;
};

}  // namespace zr2d
