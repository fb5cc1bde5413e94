// SPDX-License-Identifier: GPL-3.0-or-later
#include "Font.h"

#include "Common/Exception.h"

namespace zr2d {

Font::Font(std::string fontId, std::string ttfFile, uint32_t size, const common::Color& color)
    : ttfFile_(std::move(ttfFile)), size_(size), color_(color), fontId_(std::move(fontId)) {
    if (ttfFile_.empty()) throw common::ArgumentException("ttfFile nicht gesetzt");
    if (fontId_.empty()) throw common::ArgumentException("fontId nicht gesetzt");
    if (size_ == 0) throw common::ArgumentException("size <= 0");
}

}  // namespace zr2d
