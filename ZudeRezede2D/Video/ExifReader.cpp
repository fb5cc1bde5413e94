// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExifReader.h"

#include <libexif/exif-loader.h>

#include <cstdio>

#include "Common/Platform/Platform.h"

namespace zr2d {
namespace {

using OpenedFile = common::UniqueResource<std::FILE*, &std::fclose>;

bool StartsLikeJpeg(std::FILE* file) {
    unsigned char start[2] = {0, 0};
    return std::fread(start, 1, 2, file) == 2 && start[0] == 0xFF && start[1] == 0xD8;
}

}  // namespace

// What exif_data_new_from_file does, from the opened file.
ExifDataPtr ExifReader::Read(const std::string& path) {
    const OpenedFile file(common::Platform::OpenFile(path, "rb"));
    if (!file || !StartsLikeJpeg(file.Get())) return ExifDataPtr();
    const common::UniqueResource<ExifLoader*, &exif_loader_unref> loader(exif_loader_new());
    if (!loader || std::fseek(file.Get(), 0, SEEK_SET) != 0) return ExifDataPtr();
    unsigned char buffer[1024];
    size_t read = 0;
    while ((read = std::fread(buffer, 1, sizeof buffer, file.Get())) > 0) {
        if (!exif_loader_write(loader.Get(), buffer, static_cast<unsigned int>(read))) break;
    }
    return ExifDataPtr(exif_loader_get_data(loader.Get()));
}

}  // namespace zr2d
