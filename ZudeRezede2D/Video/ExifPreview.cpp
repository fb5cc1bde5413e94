// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExifPreview.h"

#include <libexif/exif-data.h>

#include <cmath>
#include <optional>
#include <span>

#include "ExifOrientation.h"
#include "ExifReader.h"
#include "ReducedJpegDecoder.h"

namespace zr2d {
namespace {

constexpr float kAspectTolerance = 0.02f;

// All three as stored.
bool Usable(const common::Point2D& preview, const common::Point2D& photo,
            const common::Point2D& box) {
    // Larger than its photo, a preview is damaged, and would cost more than the photo.
    if (preview.X() > photo.X() || preview.Y() > photo.Y()) return false;
    const float previewAspect = preview.X() / preview.Y();
    const float photoAspect = photo.X() / photo.Y();
    if (std::abs(previewAspect - photoAspect) > kAspectTolerance * photoAspect) return false;
    // Shown in whole pixels: a fitted side of 120.00001 needs no 121st.
    const common::Point2D fitted = photo.FitInto(box);
    return std::round(fitted.X()) <= preview.X() && std::round(fitted.Y()) <= preview.Y();
}

}  // namespace

SDL_Surface* ExifPreview::Decode(const std::string& path, const common::Point2D& box) {
    const ExifDataPtr exif = ExifReader::Read(path);
    // libexif keeps in data what the JPEG preview's tags point to; uncompressed previews are
    // left out.
    if (!exif || !exif->data) return nullptr;
    const std::span<const unsigned char> jpeg(exif->data, exif->size);
    const std::optional<common::Point2D> preview = ReducedJpegDecoder::HeaderSize(jpeg);
    const std::optional<common::Point2D> photo = ReducedJpegDecoder::HeaderSize(path);
    if (!preview || !photo) return nullptr;
    const common::Point2D storedBox =
        ExifOrientation::Of(*exif).SwapsAxes() ? common::Point2D(box.Y(), box.X()) : box;
    if (!Usable(*preview, *photo, storedBox)) return nullptr;
    return ReducedJpegDecoder::DecodeWhole(jpeg);
}

}  // namespace zr2d
