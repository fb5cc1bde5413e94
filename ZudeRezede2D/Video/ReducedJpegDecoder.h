// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <span>
#include <string>

#include "Common/Point2D.h"

struct SDL_Surface;

namespace zr2d {

// Decodes a JPEG with libjpeg's DCT scaling straight to the size it is shown at: the smallest
// of 1/8 to 8/8 of its size that still covers the picture fitted into the target. That costs a
// fraction of a full decode and never holds the full picture in memory. The small JPEGs a
// file carries inside (camera previews) are decoded whole by the same means.
class ReducedJpegDecoder {
  public:
    enum class Result { Decoded, NotReduced, Failed };

    // On Decoded, *surface is a new 32-bit RGBA surface (opaque) the caller frees. NotReduced:
    // no JPEG, or one that no reduction would cover the target with, in light (not ink) colours;
    // IMG_Load reads it whole.
    // Failed: a broken JPEG, with the reason in SDL's error text.
    static Result Decode(const std::string& path, const common::Point2D& target,
                         SDL_Surface** surface);
    // A JPEG in memory at its full size, as a new surface like Decode's; null when it is broken
    // or damaged anywhere, for callers that have a better picture to fall back on.
    static SDL_Surface* DecodeWhole(std::span<const unsigned char> jpeg);
    // Width and height as the JPEG header gives them; none for no readable JPEG header.
    static std::optional<common::Point2D> HeaderSize(const std::string& path);
    static std::optional<common::Point2D> HeaderSize(std::span<const unsigned char> jpeg);

    // The eighths (1 to 8) to decode a width x height picture at for the target.
    static int Eighths(int width, int height, const common::Point2D& target);
};

}  // namespace zr2d
