// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "Common/Point2D.h"
#include "Picture.h"

namespace zr2d {

// Picture files to pictures, on any thread: decoded, turned upright and fitted, without a
// window or OpenGL. Failures throw with the file's name and the reason.
class PictureLoader {
  public:
    PictureLoader() = delete;

    // The file at its own size, alpha copied as is (an image without alpha channel opaque). A
    // JPEG larger than within is decoded at reduced scale, no smaller than fits them.
    // With a preview box, a JPEG's camera preview may stand in (see PictureDecoder).
    static Picture Load(const std::string& fileName,
                        const std::optional<common::Point2D>& within = std::nullopt,
                        const std::optional<common::Point2D>& previewBox = std::nullopt);
    // Loaded, then scaled down to fit bounds when larger (aspect kept, smoothed); a picture that
    // fits stays as it is.
    static Picture LoadFitted(const std::string& fileName, const common::Point2D& bounds,
                              const std::optional<common::Point2D>& previewBox = std::nullopt);
};

}  // namespace zr2d
