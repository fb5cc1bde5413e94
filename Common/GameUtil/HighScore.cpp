// SPDX-License-Identifier: GPL-3.0-or-later
#include "HighScore.h"

#include "../Exception.h"
#include "../Helper.h"

namespace common {
namespace {

HighScore SplitRow(const std::string& line, char separator) {
    const size_t position = line.rfind(separator);
    if (position == std::string::npos) {
        throw Exception("Trennzeichen '" + std::string(1, separator) + "' fehlt in: " + line);
    }
    return {line.substr(0, position), Helper::ToInt(std::string_view(line).substr(position + 1))};
}

}  // namespace

HighScore::HighScore(const std::string& line, char separator)
    : HighScore(SplitRow(line, separator)) {}

std::string HighScore::ToLine(char separator) const {
    return name_ + separator + std::to_string(points_);
}

}  // namespace common
