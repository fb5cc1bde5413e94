// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace pexaro {

// The lines of game.dat once decrypted: the player-name marker, the last player's name, then
// every picture set's highscore table after a table marker. Needs no window, so that the save
// file's reader can be fuzzed on its own.
class GameDatLayout {
  public:
    GameDatLayout() = delete;

    // Six digits of a number and eleven bytes of a text, interleaved.
    static std::string Key();
    // Whether the lines start like a file of ours; anything else was written with another key.
    static bool IsOurs(const std::vector<std::string>& lines);
    // Each table's lines, from the line after its marker up to the next marker or the end;
    // markers count from the third line on.
    static std::vector<std::vector<std::string>> Tables(const std::vector<std::string>& lines);
    // The name a set's table is stored under: line breaks become blanks, since each would
    // split the table's name line and make the file unreadable.
    static std::string TableName(std::string setName);
    // Whether rows stand between the player's name and the first table: they belong to none.
    static bool HasRowsOutsideTables(const std::vector<std::string>& lines);
};

}  // namespace pexaro
