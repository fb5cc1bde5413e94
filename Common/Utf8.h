// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace common {

// Walks UTF-8 text by character (code point). A byte that starts no valid sequence counts as
// one character of its own, so odd input degrades instead of failing.
class Utf8 {
  public:
    Utf8() = delete;

    // Each character's bytes in order; an invalid byte stands for itself as U+FFFD.
    static std::vector<std::string> Characters(const std::string& text);
    static std::string WithoutLastCharacter(const std::string& text);
    // Every character in Unicode lower case; invalid bytes stay as they are.
    static std::string Lower(const std::string& text);
    // Unicode case folding of the whole text; text that is no valid UTF-8 is returned as it is.
    static std::string CaseFolded(const std::string& text);
};

}  // namespace common
