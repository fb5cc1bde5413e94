// SPDX-License-Identifier: GPL-3.0-or-later
#include "PictureLoader.h"

#include <SDL.h>
#include <SDL_rotozoom.h>

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "Common/Helper.h"
#include "Common/MyLog.h"
#include "Common/Platform/Utf8Path.h"
#include "MaskData.h"
#include "PictureDecoder.h"
#include "RgbaShrink.h"

namespace zr2d {
namespace {

SdlSurfacePtr Checked(SDL_Surface* surface, const std::string& what) {
    if (!surface) common::Helper::Fail(what + ": " + SDL_GetError());
    return SdlSurfacePtr(surface);
}

SDL_Surface* NewRgbaSurface(int width, int height) {
    const MaskData masks = RgbaMaskData();
    return SDL_CreateRGBSurface(0, width, height, 32, masks.RedMask(), masks.GreenMask(),
                                masks.BlueMask(), masks.AlphaMask());
}

}  // namespace

Picture PictureLoader::Load(const std::string& fileName,
                            const std::optional<common::Point2D>& within,
                            const std::optional<common::Point2D>& previewBox) {
    std::error_code error;
    if (!std::filesystem::exists(common::Utf8Path::From(fileName), error)) {
        if (error) common::Helper::Fail("Cannot read " + fileName + ": " + error.message());
        common::Helper::Fail("Datei " + fileName + " ist nicht vorhanden");
    }
    common::MyLog::Info("Datei " + fileName + " wird geladen");
    const std::string name = common::Helper::ToStringz(fileName);
    // An embedded zero would silently open a different file.
    if (name.find('\0') != std::string::npos) {
        common::Helper::Fail("Error loading image " + fileName +
                             " - Dateiname enthält Sonderzeichen.");
    }
    SdlSurfacePtr surface(PictureDecoder::Load(name, within, previewBox));
    if (!surface) {
        common::Helper::Fail("Error loading image " + fileName + "/nSDL Error: " + SDL_GetError());
    }
    // Without the blend flag the splitter's blits copy colour and alpha unchanged; an image
    // without alpha channel becomes opaque.
    SDL_SetAlpha(surface.Get(), 0, 255);
    return Picture(std::move(surface));
}

Picture PictureLoader::LoadFitted(const std::string& fileName, const common::Point2D& bounds,
                                  const std::optional<common::Point2D>& previewBox) {
    Picture picture = Load(fileName, bounds, previewBox);
    const common::Point2D size = picture.Size();
    if (size.X() <= bounds.X() && size.Y() <= bounds.Y()) return picture;
    // A sliver (10 x 8000) would fit into less than a pixel across: it keeps one.
    const common::Point2D exact = size.FitInto(bounds);
    const common::Point2D fitted(std::max(1.0f, exact.X()), std::max(1.0f, exact.Y()));
    // Averaging by a whole factor first keeps fine detail from aliasing; the smoothing zoom then
    // takes the rest of the way. The zoom smooths 32-bit pictures only, so every format ends up
    // in RGBA. The factor leaves both sides at least their fitted size, so neither shrinks to
    // nothing.
    const int factor =
        static_cast<int>(std::floor(std::min(size.X() / fitted.X(), size.Y() / fitted.Y())));
    const std::string what = "Bild " + fileName;
    SdlSurfacePtr rgba(factor >= 2 ? ShrinkToRgba(*picture.Pixels(), factor, RgbaMaskData())
                                   : nullptr);
    // The reduced JPEG decode already gives RGBA: no copy before the zoom.
    if (!rgba && (factor >= 2 || !Picture::IsRgba(*picture.Pixels()))) {
        rgba = Checked(NewRgbaSurface(picture.Width(), picture.Height()), what);
        SDL_BlitSurface(picture.Pixels(), nullptr, rgba.Get(), nullptr);
        if (factor >= 2) rgba = Checked(shrinkSurface(rgba.Get(), factor, factor), what);
    }
    SDL_Surface* source = rgba ? rgba.Get() : picture.Pixels();
    SdlSurfacePtr zoomed =
        Checked(zoomSurface(source, fitted.X() / static_cast<float>(source->w),
                            fitted.Y() / static_cast<float>(source->h), SMOOTHING_ON),
                what);
    SDL_SetAlpha(zoomed.Get(), 0, 255);
    common::MyLog::Info(what + " verkleinert auf " + fitted.ToText());
    return Picture(std::move(zoomed));
}

}  // namespace zr2d
