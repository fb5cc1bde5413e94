// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameDatLayout.h"

#include <algorithm>
#include <cstdint>

#include "Common/GameUtil/Highscores.h"

namespace pexaro {
namespace {

// Both pieces of the key; files written with one key cannot be read with another.
constexpr int32_t kKeyNumber = 58213947;
constexpr const char* kKeyText = "qT7#vLm2xW9pRs4";

}  // namespace

std::string GameDatLayout::Key() {
    const std::string digits = std::to_string(kKeyNumber);
    const std::string text = kKeyText;
    std::string key;
    size_t digit = 0;
    size_t byte = 0;
    for (int position = 0; position < 17; ++position) {
        key += position % 3 == 0 ? digits[digit++] : text[byte++];
    }
    return key;
}

bool GameDatLayout::IsOurs(const std::vector<std::string>& lines) {
    return !lines.empty() && lines[0] == common::Highscores::kPlayerNameMarker;
}

std::vector<std::vector<std::string>> GameDatLayout::Tables(const std::vector<std::string>& lines) {
    const std::string marker(common::Highscores::kTableMarker);
    std::vector<std::vector<std::string>> tables;
    auto next = lines.size() > 2 ? std::find(lines.begin() + 2, lines.end(), marker) : lines.end();
    while (next != lines.end()) {
        const auto end = std::find(next + 1, lines.end(), marker);
        tables.emplace_back(next + 1, end);
        next = end;
    }
    return tables;
}

std::string GameDatLayout::TableName(std::string setName) {
    std::replace_if(
        setName.begin(), setName.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
    return setName;
}

bool GameDatLayout::HasRowsOutsideTables(const std::vector<std::string>& lines) {
    const std::string marker(common::Highscores::kTableMarker);
    for (size_t i = 2; i < lines.size() && lines[i] != marker; ++i) {
        if (!lines[i].empty()) return true;
    }
    return false;
}

}  // namespace pexaro
