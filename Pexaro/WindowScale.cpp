// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowScale.h"

#include <charconv>
#include <cmath>
#include <string>

#include "Common/MyLog.h"

namespace pexaro {

float WindowScale::Parse(std::string_view text) {
    // Settings are edited by hand, in German as often as not.
    std::string number(text);
    for (char& c : number) {
        if (c == ',') c = '.';
    }
    float scale = 0;
    const char* end = number.data() + number.size();
    const auto [last, error] = std::from_chars(number.data(), end, scale, std::chars_format::fixed);
    if (error == std::errc() && last == end && std::isfinite(scale) && scale >= kSmallest &&
        scale <= kLargest) {
        return scale;
    }
    common::MyLog::Warning("windowScale = " + std::string(text) + " ist nicht nutzbar, verwende 1");
    return 1;
}

}  // namespace pexaro
