// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>

namespace common {

// The program's UTF-8 names as std::filesystem paths and back. A path built from a plain
// std::string, and its string(), use the ANSI code page on Windows, which cannot hold every
// name; these convert through UTF-8 on every system.
class Utf8Path {
  public:
    Utf8Path() = delete;

    static std::filesystem::path From(const std::string& utf8) {
        return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
    }
    static std::string Text(const std::filesystem::path& path) {
        const std::u8string text = path.u8string();
        return std::string(text.begin(), text.end());
    }
};

}  // namespace common
