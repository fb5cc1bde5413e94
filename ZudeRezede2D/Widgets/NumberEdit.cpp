// SPDX-License-Identifier: GPL-3.0-or-later
#include "NumberEdit.h"

#include <charconv>
#include <cstdint>

namespace zr2d {

bool NumberEdit::AcceptText(const std::string& text) const {
    if (text == "0") return true;
    int64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    return error == std::errc() && stop == end && value != 0;
}

}  // namespace zr2d
