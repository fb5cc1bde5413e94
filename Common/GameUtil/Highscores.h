// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "HighScore.h"

namespace common {

// One ranked table, best first, at most capacity rows, optionally named after its game.
class Highscores {
  public:
    static constexpr std::string_view kGameNameMarker = "{(Vorlatec)|HighscoreGameName}";
    static constexpr std::string_view kTableMarker = "{(Vorlatec)|Highscore}";
    static constexpr std::string_view kPlayerNameMarker = "{(Vorlatec)|Playername}";

    // Builds the table from its lines (std::nullopt: a new table). A first line holding the
    // game-name marker plus a name overrides gameName; every other line is a row, kept in file
    // order. Any failure is thrown as "Error in HighScores constructor:\n" + reason.
    Highscores(const std::optional<std::vector<std::string>>& lines, char separator,
               int32_t capacity, std::string gameName);

    bool IsNew() const { return isNew_; }
    // Inserts after every row with more points (newest first among equals), then trims.
    void Add(const std::string& name, int32_t points);
    std::vector<std::string> ToLines() const;
    const std::vector<HighScore>& Entries() const { return entries_; }
    // Empty when the table has no game name.
    const std::string& GameName() const { return gameName_; }

  private:
    void Read(const std::vector<std::string>& lines);

    std::vector<HighScore> entries_;
    char separator_;
    bool isNew_;
    int32_t capacity_;
    std::string gameName_;
};

}  // namespace common
