// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

namespace common {

// A private copy of a file in the working folder, for readers that must not see the original
// change or vanish while they read it.
class TemporaryCopy {
  public:
    TemporaryCopy() = delete;

    // Copies the file to the first free "<prefix>[n].<ext>" in the working folder. The copy is
    // created exclusively, so an existing file or link of that name is never written through.
    // On Linux the kernel copies the bytes (sendfile): a photo's megabytes never pass through
    // the program. A source that cannot be read throws; a working folder that takes no copy
    // (read-only, full) gives no name, with a warning.
    static std::optional<std::string> Create(const std::string& path, const std::string& prefix);
};

}  // namespace common
