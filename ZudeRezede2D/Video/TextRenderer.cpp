// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextRenderer.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <memory>

#include "Common/Exception.h"
#include "Common/Helper.h"
#include "Common/MyLog.h"
#include "Common/Utf8.h"
#include "Engine.h"
#include "SdlResources.h"
#include "SurfaceSplitter.h"

namespace zr2d {
namespace {

FontHandle OpenFont(const std::string& file, uint32_t size) {
    const std::string name = common::Helper::ToStringz(file);
    FontHandle handle(TTF_OpenFont(name.c_str(), static_cast<int>(size)));
    if (!handle) {
        common::MyLog::Info("Fehler, Open Font :(");
        common::MyLog::Info(SDL_GetError());
        throw common::Exception("Font " + file + " kann nicht geöffnet werden: " + SDL_GetError());
    }
    return handle;
}

}  // namespace

std::vector<std::shared_ptr<Surfaces>> TextRenderer::GlyphSurfaces(
    const std::shared_ptr<Font>& font, const std::string& text) {
    if (!font) throw common::ArgumentException("font is null");
    std::vector<std::shared_ptr<Surfaces>> glyphs;
    FontHandle handle;
    for (const std::string& character : common::Utf8::Characters(text)) {
        const std::string key = "[genericFont|" + font->FontId() + "|" + character;
        auto glyph = engine_->SurfaceManager().Get(key);
        if (!glyph) {
            if (!handle) handle = OpenFont(font->TtfFile(), font->Size());
            const SDL_Color color{static_cast<Uint8>(font->Color().R()),
                                  static_cast<Uint8>(font->Color().G()),
                                  static_cast<Uint8>(font->Color().B()), 0};
            SdlSurfacePtr rendered(TTF_RenderUTF8_Blended(handle.Get(), character.c_str(), color));
            if (!rendered) {
                // A character the font cannot draw (zero width) becomes a thin blank glyph.
                common::MyLog::Warning("Zeichen " + character +
                                       " nicht darstellbar: " + SDL_GetError());
                rendered.Reset(splitter_.CreateEmptySurface(
                    common::Point2D(1, static_cast<float>(TTF_FontHeight(handle.Get())))));
            }
            SDL_SetAlpha(rendered.Get(), 0, 255);
            glyph = splitter_.Convert(rendered.Get(), key);
            engine_->SurfaceManager().Add(glyph);
        }
        glyphs.push_back(std::move(glyph));
    }
    return glyphs;
}

std::shared_ptr<Surfaces> TextRenderer::TextSurfaces(const std::string& text) {
    const FontHandle handle = OpenFont("Vera.ttf", 18);
    SdlSurfacePtr rendered(TTF_RenderUTF8_Blended(handle.Get(), text.c_str(), {255, 255, 255, 0}));
    if (!rendered) common::Helper::Fail(std::string("Text nicht darstellbar: ") + SDL_GetError());
    SDL_SetAlpha(rendered.Get(), 0, 255);
    return splitter_.Convert(rendered.Get(), text);
}

}  // namespace zr2d
