// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "Common/Point2D.h"

struct SDL_Surface;

namespace zr2d {

// Decodes a picture file the way photo viewers show it: a JPEG turned upright by its EXIF
// orientation, and decoded at reduced scale when it is larger than it will be shown.
class PictureDecoder {
  public:
    // Like IMG_Load: a new surface, or null with SDL's error text set. Within the bounds
    // (before turning), a larger JPEG is decoded no larger than needed to cover them once fitted.
    // With a preview box, the camera's preview stands in for a photo where it covers the photo
    // fitted into the box (see ExifPreview).
    static SDL_Surface* Load(const std::string& path, const std::optional<common::Point2D>& within,
                             const std::optional<common::Point2D>& previewBox = std::nullopt);
};

}  // namespace zr2d
