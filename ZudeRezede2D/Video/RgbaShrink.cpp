// SPDX-License-Identifier: GPL-3.0-or-later
#include "RgbaShrink.h"

#include <SDL.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "Common/Exception.h"

namespace zr2d {
namespace {

// The byte within a pixel that holds the channel, when the mask is one whole byte.
std::optional<int> ByteOf(uint32_t mask, int bytesPerPixel) {
    for (int byte = 0; byte < bytesPerPixel; ++byte) {
        if (mask == 0xFFu << (8 * byte)) return byte;
    }
    return std::nullopt;
}

// Adds one picture row to the block sums, byte by byte in the picture's own order. The sums of
// one block are kept in locals: through the byte pointer the compiler would have to assume that
// every add may change them.
template <int kBytes>
void AddRow(const uint8_t* pixel, int width, int factor, uint32_t* sums) {
    for (int x = 0; x < width; ++x, sums += kBytes) {
        uint32_t s0 = 0, s1 = 0, s2 = 0, s3 = 0;
        for (const uint8_t* end = pixel + factor * kBytes; pixel != end; pixel += kBytes) {
            s0 += pixel[0];
            s1 += pixel[1];
            s2 += pixel[2];
            if constexpr (kBytes == 4) s3 += pixel[3];
        }
        sums[0] += s0;
        sums[1] += s1;
        sums[2] += s2;
        if constexpr (kBytes == 4) sums[3] += s3;
    }
}

}  // namespace

SDL_Surface* ShrinkToRgba(const SDL_Surface& picture, int factor, const MaskData& masks) {
    const SDL_PixelFormat& format = *picture.format;
    const int bytes = format.BytesPerPixel;
    if (SDL_BYTEORDER != SDL_LIL_ENDIAN || (bytes != 3 && bytes != 4) ||
        (picture.flags & SDL_SRCCOLORKEY) || factor < 1) {
        return nullptr;
    }
    const auto red = ByteOf(format.Rmask, bytes);
    const auto green = ByteOf(format.Gmask, bytes);
    const auto blue = ByteOf(format.Bmask, bytes);
    const auto alpha = ByteOf(format.Amask, bytes);
    if (!red || !green || !blue || (format.Amask != 0 && !alpha)) return nullptr;
    const auto outRed = ByteOf(masks.RedMask(), 4);
    const auto outGreen = ByteOf(masks.GreenMask(), 4);
    const auto outBlue = ByteOf(masks.BlueMask(), 4);
    const auto outAlpha = ByteOf(masks.AlphaMask(), 4);
    if (!outRed || !outGreen || !outBlue || !outAlpha) return nullptr;

    const int width = picture.w / factor;
    const int height = picture.h / factor;
    SDL_Surface* result =
        SDL_CreateRGBSurface(0, width, height, 32, masks.RedMask(), masks.GreenMask(),
                             masks.BlueMask(), masks.AlphaMask());
    if (!result) throw common::Exception(std::string("SDL_CreateRGBSurface: ") + SDL_GetError());
    const auto blockPixels = static_cast<uint32_t>(factor * factor);
    // One row of block sums at a time, so that the picture is read front to back.
    std::vector<uint32_t> sums(static_cast<size_t>(width) * static_cast<size_t>(bytes));
    const auto* source = static_cast<const uint8_t*>(picture.pixels);
    for (int y = 0; y < height; ++y) {
        std::fill(sums.begin(), sums.end(), 0u);
        for (int row = 0; row < factor; ++row) {
            const uint8_t* line = source + static_cast<ptrdiff_t>(y * factor + row) * picture.pitch;
            if (bytes == 3) {
                AddRow<3>(line, width, factor, sums.data());
            } else {
                AddRow<4>(line, width, factor, sums.data());
            }
        }
        auto* out =
            static_cast<uint8_t*>(result->pixels) + static_cast<ptrdiff_t>(y) * result->pitch;
        for (const uint32_t* sum = sums.data(); sum != sums.data() + sums.size();
             sum += bytes, out += 4) {
            out[*outRed] = static_cast<uint8_t>(sum[*red] / blockPixels);
            out[*outGreen] = static_cast<uint8_t>(sum[*green] / blockPixels);
            out[*outBlue] = static_cast<uint8_t>(sum[*blue] / blockPixels);
            out[*outAlpha] = alpha ? static_cast<uint8_t>(sum[*alpha] / blockPixels) : 255;
        }
    }
    return result;
}

}  // namespace zr2d
