// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "Common/Point2D.h"

struct SDL_Surface;

namespace zr2d {

// The small JPEG a camera stores in a photo's EXIF block, decoded instead of the photo where it
// would look the same: a fraction of the photo's decoding time for a thumbnail.
class ExifPreview {
  public:
    // A new 32-bit RGBA surface (opaque, as stored: not turned upright) the caller frees, or null
    // when the JPEG at path has no usable preview. Usable is a JPEG preview that decodes without
    // damage, covers the photo fitted into box (the box the upright picture is shown in) and
    // has the photo's aspect ratio within 2 %: edited photos often keep a stale preview.
    static SDL_Surface* Decode(const std::string& path, const common::Point2D& box);
};

}  // namespace zr2d
