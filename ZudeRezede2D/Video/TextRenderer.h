// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "Font.h"
#include "Surfaces.h"

namespace zr2d {

class Engine;
class SurfaceSplitter;

// Text drawn by SDL_ttf and uploaded through the splitter: cached glyphs or a whole line.
class TextRenderer {
  public:
    TextRenderer(Engine* engine, SurfaceSplitter& splitter)
        : engine_(engine), splitter_(splitter) {}

    // What Factory::CreateGlyphSurfaces hands out.
    std::vector<std::shared_ptr<zr2d::Surfaces>> GlyphSurfaces(const std::shared_ptr<Font>& font,
                                                               const std::string& text);
    // What Factory::CreateTextSurfaces hands out.
    std::shared_ptr<zr2d::Surfaces> TextSurfaces(const std::string& text);

  private:
    Engine* engine_;
    SurfaceSplitter& splitter_;
};

}  // namespace zr2d
