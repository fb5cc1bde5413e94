// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExifOrientation.h"

#include <libexif/exif-data.h>
#include <libexif/exif-loader.h>

#include <cstdio>

#include "Common/Platform/Platform.h"
#include "Common/UniqueResource.h"

namespace zr2d {
namespace {

using OpenedFile = common::UniqueResource<std::FILE*, &std::fclose>;

bool StartsLikeJpeg(std::FILE* file) {
    unsigned char start[2] = {0, 0};
    return std::fread(start, 1, 2, file) == 2 && start[0] == 0xFF && start[1] == 0xD8;
}

// What exif_data_new_from_file does, from a file opened by its UTF-8 name: libexif opens by a
// narrow name, which Windows reads in the ANSI code page.
ExifData* ReadExif(std::FILE* file) {
    const common::UniqueResource<ExifLoader*, &exif_loader_unref> loader(exif_loader_new());
    if (!loader || std::fseek(file, 0, SEEK_SET) != 0) return nullptr;
    unsigned char buffer[1024];
    size_t read = 0;
    while ((read = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        if (!exif_loader_write(loader.Get(), buffer, static_cast<unsigned int>(read))) break;
    }
    return exif_loader_get_data(loader.Get());
}

}  // namespace

ExifOrientation ExifOrientation::Read(const std::string& path) {
    const OpenedFile file(common::Platform::OpenFile(path, "rb"));
    // PNG and BMP carry no orientation the other viewers honour; skip libexif's file scan.
    if (!file || !StartsLikeJpeg(file.Get())) return ExifOrientation(1);
    const common::UniqueResource<ExifData*, &exif_data_unref> data(ReadExif(file.Get()));
    if (!data) return ExifOrientation(1);
    const ExifEntry* entry = exif_content_get_entry(data->ifd[EXIF_IFD_0], EXIF_TAG_ORIENTATION);
    if (!entry || entry->format != EXIF_FORMAT_SHORT || entry->components < 1 || entry->size < 2) {
        return ExifOrientation(1);
    }
    return ExifOrientation(exif_get_short(entry->data, exif_data_get_byte_order(data.Get())));
}

}  // namespace zr2d
