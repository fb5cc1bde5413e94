// SPDX-License-Identifier: GPL-3.0-or-later
#include "Factory.h"

#include <SDL.h>

#include <exception>
#include <memory>

#include "Common/Exception.h"
#include "Common/MyLog.h"
#include "Engine.h"
#include "PictureLoader.h"
#include "SdlResources.h"

namespace zr2d {

Factory::Factory(Engine* engine)
    : engine_(engine), splitter_(engine), text_(engine, splitter_), meshes_(engine, *this) {
    if (!engine_) throw common::ArgumentException("engine is null");
}

std::shared_ptr<Surfaces> Factory::CreateSurfaces(const std::string& id,
                                                  const common::Point2D& size) {
    const SdlSurfacePtr empty(splitter_.CreateEmptySurface(size));
    return splitter_.Convert(empty.Get(), id);
}

std::shared_ptr<Surfaces> Factory::CreateSurfaceFromFile(const std::string& fileName, bool useCache,
                                                         int32_t) {
    common::MyLog::Info("CreateSurfaceFromFile " + fileName);
    std::shared_ptr<zr2d::Surfaces> result;
    if (useCache) result = engine_->SurfaceManager().Get(fileName);
    if (!result) {
        common::MyLog::Info("CreateSurfaceFromFile, Load new: " + fileName);
        result = LoadImage(fileName);
        common::MyLog::Info("CreateSurfaceFromFile, Image loaded: " + fileName);
        if (useCache) engine_->SurfaceManager().Add(result);
    } else {
        common::MyLog::Info("CreateSurfaceFromFile, getting cached " + fileName);
    }
    return result;
}

std::shared_ptr<Texture> Factory::CreateTexture(const std::string& id,
                                                const common::Point2D& size) {
    return std::make_shared<zr2d::Texture>(CreateSurfaces(id, size));
}

std::shared_ptr<Texture> Factory::CreateTextureFromFile(const std::string& fileName, bool useCache,
                                                        int32_t reserved) {
    try {
        return std::make_shared<zr2d::Texture>(CreateSurfaceFromFile(fileName, useCache, reserved));
    } catch (const std::exception& error) {
        common::MyLog::Warning(error);
        return nullptr;
    }
}

void Factory::FreeTexture(const zr2d::Texture& texture) { FreeSurfaces(*texture.Surfaces()); }

void Factory::FreeSurfaces(const zr2d::Surfaces& surfaces) {
    engine_->SurfaceManager().Free(surfaces);
}

void Factory::DeleteSurfaces(const zr2d::Surfaces& surfaces) {
    for (const Surface& part : surfaces.Parts()) DeleteTexture(part);
}

std::shared_ptr<Surfaces> Factory::LoadImage(const std::string& fileName) {
    return splitter_.Convert(PictureLoader::Load(fileName).Pixels(), fileName);
}

std::vector<std::shared_ptr<Surfaces>> Factory::CreateGlyphSurfaces(
    const std::shared_ptr<Font>& font, const std::string& text) {
    return text_.GlyphSurfaces(font, text);
}

std::vector<std::shared_ptr<Texture>> Factory::CreateGlyphTextures(
    const std::shared_ptr<Font>& font, const std::string& text) {
    std::vector<std::shared_ptr<Texture>> textures;
    for (auto& glyph : CreateGlyphSurfaces(font, text)) {
        textures.push_back(std::make_shared<Texture>(std::move(glyph)));
    }
    return textures;
}

std::shared_ptr<Surfaces> Factory::CreateTextSurfaces(const std::string& text, int32_t) {
    return text_.TextSurfaces(text);
}

std::shared_ptr<IndexedVertices> Factory::LoadMesh(const std::string& fileName) {
    return meshes_.Load(fileName);
}

std::shared_ptr<Texture> Factory::CreateFittedTextureFromFile(const std::string& fileName,
                                                              const common::Point2D& bounds) {
    try {
        return CreatePictureTexture(PictureLoader::LoadFitted(fileName, bounds), fileName);
    } catch (const std::exception& error) {
        common::MyLog::Warning(error);
        return nullptr;
    }
}

std::shared_ptr<Texture> Factory::CreatePictureTexture(const Picture& picture,
                                                       const std::string& id) {
    return std::make_shared<Texture>(splitter_.Convert(picture.Pixels(), id));
}

int32_t Factory::PartSize(int32_t remaining) const { return splitter_.PartSize(remaining); }

void Factory::DeleteTexture(const Surface& part) { part.Handle()->Delete(); }

}  // namespace zr2d
