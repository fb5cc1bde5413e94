// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReducedJpegDecoder.h"

#include <SDL.h>

// jpeglib.h needs FILE and size_t declared first.
#include <jpeglib.h>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <limits>
#include <utility>
#include <vector>

#include "Common/Platform/Platform.h"

namespace zr2d {
namespace {

struct ErrorJump {
    jpeg_error_mgr manager;  // first, so that libjpeg's pointer is also ours
    std::jmp_buf jump;
};

[[noreturn]] void JumpOnError(j_common_ptr info) {
    char message[JMSG_LENGTH_MAX];
    (*info->err->format_message)(info, message);
    SDL_SetError("%s", message);
    std::longjmp(reinterpret_cast<ErrorJump*>(info->err)->jump, 1);
}

// Damaged data is decoded as well as it goes, like IMG_Load does, without a line per fault. The
// warnings are counted for readers that would rather have no picture than a damaged one.
void IgnoreMessage(j_common_ptr info, int level) {
    if (level < 0) ++info->err->num_warnings;
}

// Everything that must be released after a jump out of libjpeg, kept out of the frame that
// calls setjmp. Destroying a decompressor that was never created is harmless. Reads the file,
// or the buffer when there is no file.
struct Reading {
    jpeg_decompress_struct info{};
    ErrorJump errors{};
    std::FILE* file = nullptr;
    std::span<const unsigned char> buffer;
    SDL_Surface* surface = nullptr;
    std::vector<JSAMPLE> inkRow;

    Reading() {
        info.err = jpeg_std_error(&errors.manager);
        errors.manager.error_exit = JumpOnError;
        errors.manager.emit_message = IgnoreMessage;
    }
    Reading(const Reading&) = delete;
    Reading& operator=(const Reading&) = delete;
    ~Reading() {
        jpeg_destroy_decompress(&info);
        if (file) std::fclose(file);
        if (surface) SDL_FreeSurface(surface);
    }
};

bool IsInk(J_COLOR_SPACE space) { return space == JCS_CMYK || space == JCS_YCCK; }

// Ink to light without a colour profile, as the other viewers do; Adobe's files store the inks
// inverted.
void InkToRgba(const JSAMPLE* ink, JSAMPLE* rgba, JDIMENSION width, bool inverted) {
    for (JDIMENSION x = 0; x < width; ++x, ink += 4, rgba += 4) {
        const unsigned k = inverted ? ink[3] : 255u - ink[3];
        for (int c = 0; c < 3; ++c) {
            const unsigned light = inverted ? ink[c] : 255u - ink[c];
            rgba[c] = static_cast<JSAMPLE>((light * k + 127) / 255);
        }
        rgba[3] = 255;
    }
}

SDL_Surface* NewRgbaSurface(JDIMENSION width, JDIMENSION height) {
#if SDL_BYTEORDER == SDL_LIL_ENDIAN
    return SDL_CreateRGBSurface(SDL_SWSURFACE, static_cast<int>(width), static_cast<int>(height),
                                32, 0x000000FF, 0x0000FF00, 0x00FF0000, 0xFF000000);
#else
    return SDL_CreateRGBSurface(SDL_SWSURFACE, static_cast<int>(width), static_cast<int>(height),
                                32, 0xFF000000, 0x00FF0000, 0x0000FF00, 0x000000FF);
#endif
}

// Only from a frame that has set the jump for libjpeg's errors.
void ReadHeader(Reading& reading) {
    jpeg_create_decompress(&reading.info);
    if (reading.file) {
        jpeg_stdio_src(&reading.info, reading.file);
    } else {
        // A longer buffer than libjpeg can take is read as a truncated one.
        jpeg_mem_src(&reading.info, reading.buffer.data(),
                     static_cast<unsigned long>(std::min<std::size_t>(
                         reading.buffer.size(), std::numeric_limits<unsigned long>::max())));
    }
    jpeg_read_header(&reading.info, TRUE);
}

// No C++ object with a destructor may live in these frames: libjpeg's errors jump out of them.
bool ReadHeaderOnly(Reading& reading) {
    if (setjmp(reading.errors.jump)) return false;
    ReadHeader(reading);
    return true;
}

ReducedJpegDecoder::Result Read(Reading& reading, const common::Point2D& target) {
    jpeg_decompress_struct& info = reading.info;
    if (setjmp(reading.errors.jump)) return ReducedJpegDecoder::Result::Failed;
    ReadHeader(reading);
    const bool ink = IsInk(info.jpeg_color_space);
    const int eighths = ReducedJpegDecoder::Eighths(static_cast<int>(info.image_width),
                                                    static_cast<int>(info.image_height), target);
    // A file no reduction helps is left to IMG_Load, but not in ink, which IMG_Load takes for
    // light. A buffer has no other reader.
    if (eighths == 8 && !ink && reading.file) return ReducedJpegDecoder::Result::NotReduced;
    info.scale_num = static_cast<unsigned>(eighths);
    info.scale_denom = 8;
    info.out_color_space = ink ? JCS_CMYK : JCS_EXT_RGBA;
    jpeg_start_decompress(&info);
    reading.surface = NewRgbaSurface(info.output_width, info.output_height);
    if (!reading.surface) return ReducedJpegDecoder::Result::Failed;
    if (ink) reading.inkRow.resize(std::size_t{info.output_width} * 4);
    while (info.output_scanline < info.output_height) {
        auto* row = static_cast<JSAMPLE*>(reading.surface->pixels) +
                    std::size_t{info.output_scanline} * reading.surface->pitch;
        JSAMPROW into = ink ? reading.inkRow.data() : row;
        jpeg_read_scanlines(&info, &into, 1);
        if (ink) InkToRgba(reading.inkRow.data(), row, info.output_width, info.saw_Adobe_marker);
    }
    jpeg_finish_decompress(&info);
    return ReducedJpegDecoder::Result::Decoded;
}

std::optional<common::Point2D> SizeInHeader(Reading& reading) {
    if (!ReadHeaderOnly(reading)) return std::nullopt;
    return common::Point2D(static_cast<float>(reading.info.image_width),
                           static_cast<float>(reading.info.image_height));
}

bool StartsLikeJpeg(std::FILE* file) {
    unsigned char start[3] = {0, 0, 0};
    const bool jpeg = std::fread(start, 1, 3, file) == 3 && start[0] == 0xFF && start[1] == 0xD8 &&
                      start[2] == 0xFF;
    std::rewind(file);
    return jpeg;
}

}  // namespace

int ReducedJpegDecoder::Eighths(int width, int height, const common::Point2D& target) {
    if (width <= target.X() && height <= target.Y()) return 8;
    const common::Point2D fitted =
        common::Point2D(static_cast<float>(width), static_cast<float>(height)).FitInto(target);
    for (int eighths = 1; eighths < 8; ++eighths) {
        // libjpeg rounds scaled sizes up.
        const int scaledWidth = (width * eighths + 7) / 8;
        const int scaledHeight = (height * eighths + 7) / 8;
        if (scaledWidth >= fitted.X() && scaledHeight >= fitted.Y()) return eighths;
    }
    return 8;
}

ReducedJpegDecoder::Result ReducedJpegDecoder::Decode(const std::string& path,
                                                      const common::Point2D& target,
                                                      SDL_Surface** surface) {
    Reading reading;
    reading.file = common::Platform::OpenFile(path, "rb");
    if (!reading.file || !StartsLikeJpeg(reading.file)) return Result::NotReduced;
    const Result result = Read(reading, target);
    if (result == Result::Decoded) *surface = std::exchange(reading.surface, nullptr);
    return result;
}

SDL_Surface* ReducedJpegDecoder::DecodeWhole(std::span<const unsigned char> jpeg) {
    Reading reading;
    reading.buffer = jpeg;
    constexpr float kUnbounded = std::numeric_limits<float>::max();
    if (Read(reading, common::Point2D(kUnbounded, kUnbounded)) != Result::Decoded ||
        reading.errors.manager.num_warnings > 0) {
        return nullptr;
    }
    return std::exchange(reading.surface, nullptr);
}

std::optional<common::Point2D> ReducedJpegDecoder::HeaderSize(const std::string& path) {
    Reading reading;
    reading.file = common::Platform::OpenFile(path, "rb");
    if (!reading.file) return std::nullopt;
    return SizeInHeader(reading);
}

std::optional<common::Point2D> ReducedJpegDecoder::HeaderSize(std::span<const unsigned char> jpeg) {
    Reading reading;
    reading.buffer = jpeg;
    return SizeInHeader(reading);
}

}  // namespace zr2d
