// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "Common/Point2D.h"
#include "Font.h"
#include "MeshLoader.h"
#include "Picture.h"
#include "Surface.h"
#include "SurfaceSplitter.h"
#include "Surfaces.h"
#include "TextRenderer.h"
#include "Texture.h"

namespace zr2d {

class Engine;
class IndexedVertices;

// Everything that ends up on the graphics card: loads pictures, cuts them into texture parts
// of at most MaxTextureSize (each padded to a power of two) and uploads them. Splitting, text
// and meshes are parts of their own.
class Factory {
  public:
    explicit Factory(Engine* engine);
    virtual ~Factory() = default;
    Factory(const Factory&) = delete;
    Factory& operator=(const Factory&) = delete;

    // An empty, fully transparent image; never cached.
    virtual std::shared_ptr<zr2d::Surfaces> CreateSurfaces(const std::string& id,
                                                           const common::Point2D& size);
    // Throws when the file cannot be loaded. reserved is not used.
    virtual std::shared_ptr<zr2d::Surfaces> CreateSurfaceFromFile(const std::string& fileName,
                                                                  bool useCache, int32_t reserved);
    virtual std::shared_ptr<zr2d::Texture> CreateTexture(const std::string& id,
                                                         const common::Point2D& size);
    // Null after a warning line when the file cannot be loaded.
    virtual std::shared_ptr<zr2d::Texture> CreateTextureFromFile(const std::string& fileName,
                                                                 bool useCache, int32_t reserved);
    // One cached image per character (code point) of the text, in order. The font file is
    // opened only when a character is not cached yet, at most once per call.
    virtual std::vector<std::shared_ptr<zr2d::Surfaces>> CreateGlyphSurfaces(
        const std::shared_ptr<Font>& font, const std::string& text);
    virtual std::vector<std::shared_ptr<zr2d::Texture>> CreateGlyphTextures(
        const std::shared_ptr<Font>& font, const std::string& text);
    // The whole text as one uncached image in white Vera 18 (the file "Vera.ttf" in the
    // working folder). reserved is not used.
    virtual std::shared_ptr<zr2d::Surfaces> CreateTextSurfaces(const std::string& text,
                                                               int32_t reserved);
    virtual void FreeTexture(const zr2d::Texture& texture);
    // A cached image loses one user; an uncached one gives its textures back when the last
    // holder drops it.
    virtual void FreeSurfaces(const zr2d::Surfaces& surfaces);
    // Deletes every part's texture now, cached or not.
    virtual void DeleteSurfaces(const zr2d::Surfaces& surfaces);
    // A Wavefront OBJ mesh with the materials of its MTL file (a subset of both formats).
    // Every failure, a face number outside its list included, is thrown as
    // "Fehler beim erstellen von <fileName>\n<reason>".
    virtual std::shared_ptr<IndexedVertices> LoadMesh(const std::string& fileName);

    // Like CreateTextureFromFile without the cache, except that a picture larger than bounds is
    // scaled down to fit them (aspect kept, smoothed); one that fits stays as it is.
    virtual std::shared_ptr<zr2d::Texture> CreateFittedTextureFromFile(
        const std::string& fileName, const common::Point2D& bounds);
    // The picture cut into parts and uploaded, uncached; what is left to do on the main thread
    // for a picture decoded elsewhere. Throws when it cannot be.
    std::shared_ptr<zr2d::Texture> CreatePictureTexture(const Picture& picture,
                                                        const std::string& id);

    // The splitter's edge of the next part (SurfaceSplitter::PartSize).
    int32_t PartSize(int32_t remaining) const;
    // Deletes one part's texture; the surface cache calls it for the parts it still holds.
    void DeleteTexture(const Surface& part);

  private:
    std::shared_ptr<zr2d::Surfaces> LoadImage(const std::string& fileName);

    Engine* engine_;
    SurfaceSplitter splitter_;
    TextRenderer text_;
    MeshLoader meshes_;
};

}  // namespace zr2d
