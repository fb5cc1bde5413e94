// SPDX-License-Identifier: GPL-3.0-or-later
#include "PictureDecoder.h"

#include <SDL.h>
#include <SDL_image.h>

#include <limits>

#include "Common/MyLog.h"
#include "ExifOrientation.h"
#include "ExifPreview.h"
#include "ReducedJpegDecoder.h"
#include "SdlSurfacePtr.h"
#include "UprightTurn.h"

namespace zr2d {
namespace {

SDL_Surface* Upright(SDL_Surface* picture, const ExifOrientation& orientation) {
    if (!picture || orientation.IsUpright()) return picture;
    const SdlSurfacePtr unturned(picture);
    return TurnUpright(*unturned, orientation);
}

}  // namespace

SDL_Surface* PictureDecoder::Load(const std::string& path,
                                  const std::optional<common::Point2D>& within,
                                  const std::optional<common::Point2D>& previewBox) {
    const ExifOrientation orientation = ExifOrientation::Read(path);
    if (SDL_Surface* preview = previewBox ? ExifPreview::Decode(path, *previewBox) : nullptr) {
        common::MyLog::Info("Bild " + path + ": Vorschaubild der Kamera verwendet");
        return Upright(preview, orientation);
    }
    // Without bounds the picture keeps its natural size.
    constexpr float kUnbounded = std::numeric_limits<float>::max();
    common::Point2D target = within.value_or(common::Point2D(kUnbounded, kUnbounded));
    // The bounds hold for the upright picture, so a sideways one is decoded for them turned.
    if (orientation.SwapsAxes()) target = common::Point2D(target.Y(), target.X());
    SDL_Surface* picture = nullptr;
    switch (ReducedJpegDecoder::Decode(path, target, &picture)) {
        case ReducedJpegDecoder::Result::Failed:
            return nullptr;
        case ReducedJpegDecoder::Result::NotReduced:
            picture = IMG_Load(path.c_str());
            break;
        case ReducedJpegDecoder::Result::Decoded:
            break;
    }
    return Upright(picture, orientation);
}

}  // namespace zr2d
