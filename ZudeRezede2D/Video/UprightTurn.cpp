// SPDX-License-Identifier: GPL-3.0-or-later
#include "UprightTurn.h"

#include <SDL.h>

#include <cstddef>
#include <cstring>

#include "Common/Helper.h"

namespace zr2d {
namespace {

// Output pixel (x, y) is read from origin + x * alongRow + y * acrossRows (byte offsets).
struct Walk {
    std::ptrdiff_t origin;
    std::ptrdiff_t alongRow;
    std::ptrdiff_t acrossRows;
};

Walk WalkFor(int orientation, std::ptrdiff_t width, std::ptrdiff_t height, std::ptrdiff_t bytes,
             std::ptrdiff_t pitch) {
    const std::ptrdiff_t lastColumn = (width - 1) * bytes;
    const std::ptrdiff_t lastRow = (height - 1) * pitch;
    switch (orientation) {
        case 2:
            return {lastColumn, -bytes, pitch};
        case 3:
            return {lastColumn + lastRow, -bytes, -pitch};
        case 4:
            return {lastRow, bytes, -pitch};
        case 5:
            return {0, pitch, bytes};
        case 6:
            return {lastRow, -pitch, bytes};
        case 7:
            return {lastColumn + lastRow, -pitch, -bytes};
        case 8:
            return {lastColumn, pitch, -bytes};
        default:
            return {0, bytes, pitch};
    }
}

// Fixed pixel sizes let the copy compile to plain loads and stores.
template <std::size_t kBytes>
void CopyPixels(const SDL_Surface& picture, SDL_Surface& turned, const Walk& walk) {
    const auto* source = static_cast<const unsigned char*>(picture.pixels);
    auto* target = static_cast<unsigned char*>(turned.pixels);
    for (int y = 0; y < turned.h; ++y) {
        const std::ptrdiff_t row = walk.origin + y * walk.acrossRows;
        const std::ptrdiff_t targetRow = std::ptrdiff_t{y} * turned.pitch;
        // Offsets per pixel: a pointer stepped on past a row's last pixel would leave the buffer.
        for (std::ptrdiff_t x = 0; x < turned.w; ++x) {
            std::memcpy(target + targetRow + x * std::ptrdiff_t{kBytes},
                        source + row + x * walk.alongRow, kBytes);
        }
    }
}

}  // namespace

SDL_Surface* TurnUpright(const SDL_Surface& picture, const ExifOrientation& orientation) {
    const SDL_PixelFormat& format = *picture.format;
    const int width = orientation.SwapsAxes() ? picture.h : picture.w;
    const int height = orientation.SwapsAxes() ? picture.w : picture.h;
    SDL_Surface* turned =
        SDL_CreateRGBSurface(SDL_SWSURFACE, width, height, format.BitsPerPixel, format.Rmask,
                             format.Gmask, format.Bmask, format.Amask);
    if (!turned) common::Helper::Fail(std::string("TurnUpright: ") + SDL_GetError());
    if (format.palette) {
        SDL_SetPalette(turned, SDL_LOGPAL, format.palette->colors, 0, format.palette->ncolors);
    }
    if (picture.flags & SDL_SRCCOLORKEY) SDL_SetColorKey(turned, SDL_SRCCOLORKEY, format.colorkey);
    SDL_SetAlpha(turned, picture.flags & SDL_SRCALPHA, format.alpha);

    const std::ptrdiff_t bytes = format.BytesPerPixel;
    const Walk walk = WalkFor(orientation.Value(), picture.w, picture.h, bytes, picture.pitch);
    switch (bytes) {
        case 1:
            CopyPixels<1>(picture, *turned, walk);
            break;
        case 2:
            CopyPixels<2>(picture, *turned, walk);
            break;
        case 3:
            CopyPixels<3>(picture, *turned, walk);
            break;
        default:
            CopyPixels<4>(picture, *turned, walk);
            break;
    }
    return turned;
}

}  // namespace zr2d
