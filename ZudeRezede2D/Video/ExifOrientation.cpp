// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExifOrientation.h"

#include <libexif/exif-data.h>

#include "ExifReader.h"

namespace zr2d {

ExifOrientation ExifOrientation::Read(const std::string& path) {
    const ExifDataPtr data = ExifReader::Read(path);
    return data ? Of(*data) : ExifOrientation(1);
}

ExifOrientation ExifOrientation::Of(ExifData& data) {
    const ExifEntry* entry = exif_content_get_entry(data.ifd[EXIF_IFD_0], EXIF_TAG_ORIENTATION);
    if (!entry || entry->format != EXIF_FORMAT_SHORT || entry->components < 1 || entry->size < 2) {
        return ExifOrientation(1);
    }
    return ExifOrientation(exif_get_short(entry->data, exif_data_get_byte_order(&data)));
}

}  // namespace zr2d
