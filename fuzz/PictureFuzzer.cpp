// SPDX-License-Identifier: GPL-3.0-or-later
// JPEG files as the game loads them for the screen and for a thumbnail: EXIF orientation and
// camera preview (libexif), the reduced decode (libjpeg), the turn and the fitting. Other
// formats go to SDL_image, which is not ours to fuzz.

#include <cstddef>
#include <cstdint>
#include <exception>
#include <ostream>

#include "Common/MyLog.h"
#include "FuzzInputFile.h"
#include "ZudeRezede2D/Video/PictureLoader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // A warning per broken input would cost more than the decoding.
    static std::ostream discard(nullptr);
    static const bool quiet = (common::MyLog::SetOutput(&discard), true);
    (void)quiet;
    if (size < 3 || data[0] != 0xFF || data[1] != 0xD8 || data[2] != 0xFF) return 0;
    const std::string& path = fuzzing::FuzzInputFile::Write(data, size);
    for (const bool thumbnail : {false, true}) {
        try {
            const zr2d::Picture picture =
                thumbnail
                    ? zr2d::PictureLoader::LoadFitted(path, {240, 240}, common::Point2D(120, 120))
                    : zr2d::PictureLoader::LoadFitted(path, {1024, 768});
            // A fitted picture never leaves its bounds.
            if (picture.Width() > (thumbnail ? 240 : 1024) ||
                picture.Height() > (thumbnail ? 240 : 768)) {
                std::abort();
            }
        } catch (const std::exception&) {
            // A file that cannot be read is reported to the caller as an exception.
        }
    }
    return 0;
}
