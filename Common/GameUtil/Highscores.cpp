// SPDX-License-Identifier: GPL-3.0-or-later
#include "Highscores.h"

#include <algorithm>

#include "../Exception.h"
#include "../MyLog.h"

namespace common {

Highscores::Highscores(const std::optional<std::vector<std::string>>& lines, char separator,
                       int32_t capacity, std::string gameName)
    : separator_(separator),
      isNew_(!lines.has_value()),
      capacity_(capacity),
      gameName_(std::move(gameName)) {
    try {
        Read(lines.value_or(std::vector<std::string>{}));
    } catch (const std::exception& error) {
        throw Exception(std::string("Error in HighScores constructor:\n") + error.what());
    }
}

void Highscores::Read(const std::vector<std::string>& lines) {
    MyLog::Info("Create Highscores From: ");
    for (const auto& line : lines) MyLog::Info(line);
    MyLog::Info(std::string(kGameNameMarker) + " length:" + std::to_string(kGameNameMarker.size()));
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (i == 0 && line.size() > kGameNameMarker.size() && line.starts_with(kGameNameMarker)) {
            gameName_ = line.substr(kGameNameMarker.size());
            MyLog::Info("blub2");
        } else {
            entries_.emplace_back(line, separator_);
        }
    }
}

void Highscores::Add(const std::string& name, int32_t points) {
    size_t position = 0;
    for (size_t j = 0; j < entries_.size(); ++j) {
        if (entries_[j].Points() > points) position = j + 1;
    }
    entries_.insert(entries_.begin() + static_cast<std::ptrdiff_t>(position),
                    HighScore(name, points));
    // A negative capacity keeps nothing rather than popping an empty list.
    const size_t kept = static_cast<size_t>(std::max(capacity_, 0));
    if (entries_.size() > kept)
        entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(kept), entries_.end());
}

std::vector<std::string> Highscores::ToLines() const {
    std::vector<std::string> lines;
    if (!gameName_.empty()) lines.push_back(std::string(kGameNameMarker) + gameName_);
    for (const auto& entry : entries_) lines.push_back(entry.ToLine(separator_));
    return lines;
}

}  // namespace common
