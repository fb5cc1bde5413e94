// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// libexif's type, declared as libexif declares it.
typedef struct _ExifData ExifData;

namespace zr2d {

// How a camera says its picture is to be turned for viewing (the EXIF orientation of a JPEG):
// 1 upright, 2 mirrored, 3 turned 180 degrees, 4 flipped, 5 transposed, 6 turned 90 degrees
// clockwise, 7 transversed, 8 turned 90 degrees anticlockwise.
class ExifOrientation {
  public:
    // 1 for files without the tag, with damaged data or with a value outside 1 to 8.
    static ExifOrientation Read(const std::string& path);
    // The same from EXIF data already read (not const: libexif's getters take it so).
    static ExifOrientation Of(ExifData& data);

    explicit ExifOrientation(int value) : value_(value >= 1 && value <= 8 ? value : 1) {}
    int Value() const { return value_; }
    bool IsUpright() const { return value_ == 1; }
    // Width and height trade places when the picture is turned upright.
    bool SwapsAxes() const { return value_ >= 5; }

  private:
    int value_;
};

}  // namespace zr2d
