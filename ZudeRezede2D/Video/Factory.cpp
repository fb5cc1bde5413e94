// SPDX-License-Identifier: GPL-3.0-or-later
#include "Factory.h"

#include <SDL.h>

#include <exception>
#include <memory>

#include "Common/Exception.h"
#include "Common/Helper.h"
#include "Common/MyLog.h"
#include "Engine.h"
#include "PictureLoader.h"
#include "SdlResources.h"

namespace zr2d {
namespace {

// SDL_Rect holds 16-bit signed offsets: beyond this edge the splitter would copy the wrong
// pixels, so such pictures are refused instead.
constexpr int kLargestImageEdge = 32767;

}  // namespace

Factory::Factory(Engine* engine) : engine_(engine) {
    if (!engine_) throw common::ArgumentException("engine is null");
}

std::shared_ptr<Surfaces> Factory::CreateSurfaces(const std::string& id,
                                                  const common::Point2D& size) {
    const SdlSurfacePtr empty(CreateEmptySurface(size));
    return ConvertToSurfaces(empty.Get(), id);
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
    return ConvertToSurfaces(PictureLoader::Load(fileName).Pixels(), fileName);
}

std::shared_ptr<Surfaces> Factory::ConvertToSurfaces(SDL_Surface* surface, const std::string& id) {
    common::MyLog::Info("ConvertToSurfaces " + id + " START");
    if (surface->w > kLargestImageEdge || surface->h > kLargestImageEdge) {
        common::Helper::Fail("Bild " + id + " ist zu groß: " + std::to_string(surface->w) + " x " +
                             std::to_string(surface->h));
    }
    const common::Point2D size(static_cast<float>(surface->w), static_cast<float>(surface->h));
    auto result = std::make_shared<zr2d::Surfaces>(id, SplitSurface(surface, id), size);
    common::MyLog::Info("ConvertToSurfaces " + id + " END, returning " +
                        std::to_string(result->Parts().size()) + " Surfaces ");
    return result;
}

void Factory::DeleteTexture(const Surface& part) { part.Handle()->Delete(); }

}  // namespace zr2d
