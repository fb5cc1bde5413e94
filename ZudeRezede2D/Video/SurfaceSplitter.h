// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "Common/Point2D.h"
#include "GlTexture.h"
#include "Surface.h"
#include "Surfaces.h"

struct SDL_Surface;

namespace zr2d {

class Engine;

// Cuts a picture into texture parts of at most MaxTextureSize, each padded to a power of two,
// and uploads them.
class SurfaceSplitter {
  public:
    explicit SurfaceSplitter(Engine* engine) : engine_(engine) {}

    // Does not free the source surface; whoever made it does.
    std::shared_ptr<zr2d::Surfaces> Convert(SDL_Surface* surface, const std::string& id);
    // The edge of the next part along one axis: the smallest power of two from 8 up that
    // holds remaining, capped by MaxTextureSize (except for the smallest edge of 8).
    int32_t PartSize(int32_t remaining) const;
    // Transparent black, always 32-bit RGBA whatever the window depth.
    SDL_Surface* CreateEmptySurface(const common::Point2D& size);

  private:
    std::vector<Surface> Split(SDL_Surface* surface, const std::string& id);
    // Uploads width x height pixels from (x, y) of a surface in the parts' format as one texture.
    std::shared_ptr<GlTexture> CreateGlTexture(const SDL_Surface& surface, int x, int y, int width,
                                               int height);

    Engine* engine_;
};

}  // namespace zr2d
