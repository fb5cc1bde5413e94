// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include "GlTexture.h"

namespace zr2d {

// Where one glyph part is drawn from: a texture and the part's edges on it as texture
// coordinates. The whole texture unless the part sits on an atlas page.
struct GlyphCell {
    std::shared_ptr<GlTexture> texture;
    float left = 0;
    float top = 0;
    float right = 1;
    float bottom = 1;
};

}  // namespace zr2d
