// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExifOrientation.h"

#include <libexif/exif-data.h>

#include <cstdio>

#include "Common/UniqueResource.h"

namespace zr2d {
namespace {

bool StartsLikeJpeg(const std::string& path) {
    const common::UniqueResource<std::FILE*, &std::fclose> file(std::fopen(path.c_str(), "rb"));
    unsigned char start[2] = {0, 0};
    return file && std::fread(start, 1, 2, file.Get()) == 2 && start[0] == 0xFF && start[1] == 0xD8;
}

}  // namespace

ExifOrientation ExifOrientation::Read(const std::string& path) {
    // PNG and BMP carry no orientation the other viewers honour; skip libexif's file scan.
    if (!StartsLikeJpeg(path)) return ExifOrientation(1);
    const common::UniqueResource<ExifData*, &exif_data_unref> data(
        exif_data_new_from_file(path.c_str()));
    if (!data) return ExifOrientation(1);
    const ExifEntry* entry = exif_content_get_entry(data->ifd[EXIF_IFD_0], EXIF_TAG_ORIENTATION);
    if (!entry || entry->format != EXIF_FORMAT_SHORT || entry->components < 1 || entry->size < 2) {
        return ExifOrientation(1);
    }
    return ExifOrientation(exif_get_short(entry->data, exif_data_get_byte_order(data.Get())));
}

}  // namespace zr2d
