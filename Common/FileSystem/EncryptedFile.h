// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace common {

// Lines stored XOR-ed with a repeating key, so the file is not plain text. The key position
// runs on across lines; the lines are joined by LF with none after the last.
class EncryptedFile {
  public:
    EncryptedFile() = delete;

    // Replaces the file as a whole: on failure the previous file stays intact. An empty key
    // throws ArgumentException; no lines give an empty file.
    static void Write(const std::string& fileName, const std::string& key,
                      const std::vector<std::string>& lines);
    // std::nullopt when the file does not exist; an empty file gives no lines.
    static std::optional<std::vector<std::string>> Read(const std::string& fileName,
                                                        const std::string& key);
};

}  // namespace common
