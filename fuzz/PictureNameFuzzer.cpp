// SPDX-License-Identifier: GPL-3.0-or-later
// Picture file names and typed answers: the input is split at its first zero byte into a file
// name and the text the player entered.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "Common/Exception.h"
#include "Pexaro/PictureFile.h"

namespace {

bool EndsInPictureExtension(const std::string& name) {
    std::string extension = name.substr(name.size() - 4);
    for (char& c : extension) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return extension == ".jpg" || extension == ".bmp" || extension == ".png";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const size_t split = input.find('\0');
    const std::string fileName = input.substr(0, split);
    const std::string entered = split == std::string::npos ? "" : input.substr(split + 1);

    try {
        if (pexaro::PictureFile::IsPictureFile(fileName) && !EndsInPictureExtension(fileName)) {
            std::abort();
        }
    } catch (const common::Exception&) {
        if (fileName.size() > 4) std::abort();  // only names too short to hold an extension
    }

    const pexaro::PictureFile picture(fileName);
    if (picture.CheckName(entered) > 10) std::abort();
    // The answer itself, typed in whatever case, is always right.
    if (picture.CheckName(picture.Answer()) != 10) std::abort();
    return 0;
}
