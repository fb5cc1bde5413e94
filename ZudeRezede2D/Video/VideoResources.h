// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>

#include "Factory.h"
#include "FontManager.h"
#include "GlyphAtlas.h"
#include "MaskData.h"
#include "Materials.h"
#include "SurfaceManager.h"
#include "TextureLedger.h"

namespace zr2d {

class Engine;

// What the engine's textures are made with and kept in: the surface cache, materials, the
// factory, fonts, the glyph atlas and the ledger of live textures.
class VideoResources {
  public:
    // The parts keep engine as their (non-owning) way back to the window's settings.
    explicit VideoResources(Engine* engine);
    VideoResources(const VideoResources&) = delete;
    VideoResources& operator=(const VideoResources&) = delete;

    // Gives the cached images' and the atlas' textures back; later releases only count.
    void Dispose();

    const zr2d::MaskData& MaskData() const { return maskData_; }
    zr2d::SurfaceManager& SurfaceManager() { return surfaceManager_; }
    zr2d::Materials& Materials() { return materials_; }
    zr2d::Factory& Factory() { return factory_; }
    zr2d::FontManager& FontManager() { return fontManager_; }
    zr2d::GlyphAtlas& GlyphAtlas() { return glyphAtlas_; }
    const std::shared_ptr<TextureLedger>& Ledger() const { return ledger_; }

  private:
    zr2d::MaskData maskData_;
    zr2d::SurfaceManager surfaceManager_;
    zr2d::Materials materials_;
    zr2d::Factory factory_;
    zr2d::FontManager fontManager_;
    zr2d::GlyphAtlas glyphAtlas_;
    std::shared_ptr<TextureLedger> ledger_;
};

}  // namespace zr2d
