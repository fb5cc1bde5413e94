// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace common {

// Replaces a file's content as a whole: the bytes go to a temporary file in the same folder,
// which is flushed to disk and then renamed over the target. A crash or a full disk midway
// leaves the old file as it was; the failure is thrown as common::Exception. A link stays a
// link: the file it leads to is replaced, keeping its mode, and owner and group where allowed.
class AtomicFile {
  public:
    AtomicFile() = delete;

    static void Write(const std::string& fileName, std::string_view bytes);
};

}  // namespace common
