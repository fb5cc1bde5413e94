// SPDX-License-Identifier: GPL-3.0-or-later
#include <SDL.h>
#include <SDL_rotozoom.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <random>

#include "ZudeRezede2D/Video/RgbaShrink.h"

namespace zr2d::test {
namespace {

using SurfacePtr = std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)>;

const MaskData kRgba(0x000000FF, 0x0000FF00, 0x00FF0000, 0xFF000000);

SurfacePtr Own(SDL_Surface* surface) { return SurfacePtr(surface, SDL_FreeSurface); }

// Every byte random, alpha included, so that each channel's place is checked.
SurfacePtr Noise(int w, int h, int bits, uint32_t r, uint32_t g, uint32_t b, uint32_t a) {
    auto surface = Own(SDL_CreateRGBSurface(0, w, h, bits, r, g, b, a));
    std::mt19937 random(static_cast<uint32_t>(w * 131 + bits));
    auto* bytes = static_cast<uint8_t*>(surface->pixels);
    for (int i = 0; i < surface->pitch * h; ++i) bytes[i] = static_cast<uint8_t>(random());
    // As the loader leaves pictures: blits copy colour and alpha unblended.
    SDL_SetAlpha(surface.get(), 0, 255);
    return surface;
}

// The way the fitting went before: convert to RGBA, then SDL_gfx's averaging shrink.
SurfacePtr ConvertThenShrink(SDL_Surface* picture, int factor) {
    auto rgba = Own(SDL_CreateRGBSurface(0, picture->w, picture->h, 32, kRgba.RedMask(),
                                         kRgba.GreenMask(), kRgba.BlueMask(), kRgba.AlphaMask()));
    SDL_BlitSurface(picture, nullptr, rgba.get(), nullptr);
    return Own(shrinkSurface(rgba.get(), factor, factor));
}

void ExpectSamePixels(const SDL_Surface& actual, const SDL_Surface& expected) {
    ASSERT_EQ(actual.w, expected.w);
    ASSERT_EQ(actual.h, expected.h);
    ASSERT_EQ(actual.format->BitsPerPixel, 32);
    EXPECT_EQ(actual.format->Rmask, expected.format->Rmask);
    EXPECT_EQ(actual.format->Amask, expected.format->Amask);
    for (int y = 0; y < actual.h; ++y) {
        const auto* a = static_cast<const uint8_t*>(actual.pixels) + y * actual.pitch;
        const auto* e = static_cast<const uint8_t*>(expected.pixels) + y * expected.pitch;
        ASSERT_EQ(std::memcmp(a, e, static_cast<size_t>(actual.w) * 4), 0) << "row " << y;
    }
}

}  // namespace

TEST(RgbaShrinkTest, GivesWhatConvertingAndShrinkingGave) {
    struct Format {
        int bits;
        uint32_t r, g, b, a;
    };
    const Format formats[] = {
        {24, 0x0000FF, 0x00FF00, 0xFF0000, 0},                 // JPEG as decoded: opaque RGB
        {24, 0xFF0000, 0x00FF00, 0x0000FF, 0},                 // BGR byte order
        {32, 0x000000FF, 0x0000FF00, 0x00FF0000, 0xFF000000},  // PNG with alpha
        {32, 0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000},  // ARGB words
        {32, 0x000000FF, 0x0000FF00, 0x00FF0000, 0},           // four bytes, no alpha
    };
    // Sizes that are no multiple of the factor: the remainder is dropped.
    for (const Format& f : formats) {
        for (const int factor : {1, 2, 3, 5}) {
            SCOPED_TRACE(testing::Message()
                         << f.bits << " bits, R " << f.r << ", factor " << factor);
            const auto picture = Noise(47, 31, f.bits, f.r, f.g, f.b, f.a);
            const auto shrunk = Own(ShrinkToRgba(*picture, factor, kRgba));
            ASSERT_TRUE(shrunk);
            ExpectSamePixels(*shrunk, *ConvertThenShrink(picture.get(), factor));
        }
    }
}

TEST(RgbaShrinkTest, PalettesAndColourKeysAreLeftToTheCaller) {
    const auto palette = Own(SDL_CreateRGBSurface(0, 16, 16, 8, 0, 0, 0, 0));
    EXPECT_EQ(ShrinkToRgba(*palette, 2, kRgba), nullptr);
    const auto keyed = Noise(16, 16, 24, 0x0000FF, 0x00FF00, 0xFF0000, 0);
    SDL_SetColorKey(keyed.get(), SDL_SRCCOLORKEY, 0);
    EXPECT_EQ(ShrinkToRgba(*keyed, 2, kRgba), nullptr);
    const auto sixteen = Own(SDL_CreateRGBSurface(0, 16, 16, 16, 0xF800, 0x07E0, 0x001F, 0));
    EXPECT_EQ(ShrinkToRgba(*sixteen, 2, kRgba), nullptr);
}

}  // namespace zr2d::test
