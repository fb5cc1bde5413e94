// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowScale.h"

#include <charconv>
#include <cmath>
#include <string>

#include "Common/MyLog.h"

namespace pexaro {

float WindowScale::Parse(std::string_view text) {
    // Settings are edited by hand, in German as often as not, and the other keys' numbers
    // ignore blanks and tabs around them.
    const size_t first = text.find_first_not_of(" \t");
    const size_t last = text.find_last_not_of(" \t");
    std::string number(first == std::string_view::npos ? std::string_view()
                                                       : text.substr(first, last - first + 1));
    for (char& c : number) {
        if (c == ',') c = '.';
    }
    float scale = 0;
    const char* end = number.data() + number.size();
    const auto [stop, error] = std::from_chars(number.data(), end, scale, std::chars_format::fixed);
    if (error == std::errc() && stop == end && std::isfinite(scale) && scale >= kSmallest &&
        scale <= kLargest) {
        return scale;
    }
    common::MyLog::Warning("windowScale = " + std::string(text) + " ist nicht nutzbar, verwende 1");
    return 1;
}

}  // namespace pexaro
