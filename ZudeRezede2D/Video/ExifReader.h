// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <libexif/exif-data.h>

#include <string>

#include "Common/UniqueResource.h"

namespace zr2d {

using ExifDataPtr = common::UniqueResource<ExifData*, &exif_data_unref>;

// Reads the EXIF block of a JPEG with libexif, from the file opened by its UTF-8 name: libexif
// opens by a narrow name, which Windows reads in the ANSI code page.
class ExifReader {
  public:
    // Empty for files that do not start like a JPEG (PNG and BMP carry no EXIF the other viewers
    // honour, so libexif's scan of the file is skipped) and for JPEGs without EXIF.
    static ExifDataPtr Read(const std::string& path);
};

}  // namespace zr2d
