// SPDX-License-Identifier: GPL-3.0-or-later
#include <SDL.h>
#include <SDL_rotozoom.h>

#include <algorithm>
#include <cmath>
#include <memory>

#include "Common/Helper.h"
#include "Common/MyLog.h"
#include "Engine.h"
#include "Factory.h"
#include "RgbaShrink.h"
#include "SdlResources.h"

namespace zr2d {
namespace {

SdlSurfacePtr Checked(SDL_Surface* surface, const std::string& what) {
    if (!surface) common::Helper::Fail(what + ": " + SDL_GetError());
    return SdlSurfacePtr(surface);
}

}  // namespace

std::shared_ptr<Texture> Factory::CreateFittedTextureFromFile(const std::string& fileName,
                                                              const common::Point2D& bounds) {
    try {
        SdlSurfacePtr picture(OpenImage(fileName, bounds));
        const common::Point2D size(static_cast<float>(picture->w), static_cast<float>(picture->h));
        if (size.X() > bounds.X() || size.Y() > bounds.Y()) {
            // A sliver (10 x 8000) would fit into less than a pixel across: it keeps one.
            const common::Point2D exact = size.FitInto(bounds);
            const common::Point2D fitted(std::max(1.0f, exact.X()), std::max(1.0f, exact.Y()));
            // Averaging by a whole factor first keeps fine detail from aliasing; the smoothing
            // zoom then takes the rest of the way. The zoom smooths 32-bit pictures only, so
            // every format ends up in RGBA. The factor leaves both sides at least their fitted
            // size, so neither shrinks to nothing.
            const int factor = static_cast<int>(
                std::floor(std::min(size.X() / fitted.X(), size.Y() / fitted.Y())));
            SdlSurfacePtr rgba(factor >= 2 ? ShrinkToRgba(*picture, factor, engine_->MaskData())
                                           : nullptr);
            if (!rgba) {
                rgba = Checked(CreateEmptySurface(size), "Bild " + fileName);
                SDL_BlitSurface(picture.Get(), nullptr, rgba.Get(), nullptr);
                if (factor >= 2) {
                    rgba = Checked(shrinkSurface(rgba.Get(), factor, factor), "Bild " + fileName);
                }
            }
            picture = Checked(zoomSurface(rgba.Get(), fitted.X() / static_cast<float>(rgba->w),
                                          fitted.Y() / static_cast<float>(rgba->h), SMOOTHING_ON),
                              "Bild " + fileName);
            SDL_SetAlpha(picture.Get(), 0, 255);
            common::MyLog::Info("Bild " + fileName + " verkleinert auf " + fitted.ToText());
        }
        return std::make_shared<Texture>(ConvertToSurfaces(picture.Get(), fileName));
    } catch (const std::exception& error) {
        common::MyLog::Warning(error);
        return nullptr;
    }
}

}  // namespace zr2d
