// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "Common/GameUtil/Highscores.h"

namespace pexaro {

// The highscore tables of game.dat and the last player's name, read once and written back
// whole. A file that could not be read completely is kept beside the new one before the first
// rewrite, so that nothing in it is lost.
class HighscoreStore {
  public:
    // playerName stands until a file is read that names one.
    HighscoreStore(std::string fileName, std::string playerName);

    // Reads the file; a missing file is no tables. Failures are logged, never thrown.
    void Load();
    // Adds the score to the set's table, making the table when it is new.
    void Enter(const std::string& setName, const std::string& playerName, int32_t points);
    // Rewrites the file with the player's name and every table; a failure is logged and the
    // old file stays.
    void Save(const std::string& playerName);

    const std::vector<common::Highscores>& Tables() const { return tables_; }
    common::Highscores* FindTable(const std::string& gameName);
    // The last player's name: the file's, else the one given at construction.
    const std::string& StoredPlayerName() const { return storedPlayerName_; }

  private:
    void KeepDamagedFile();

    std::string fileName_;
    std::vector<common::Highscores> tables_;
    std::string storedPlayerName_;
    // The file held something that could not be read; it is kept before the first rewrite.
    bool damaged_ = false;
};

}  // namespace pexaro
