// SPDX-License-Identifier: GPL-3.0-or-later
// The scrambled save file and its highscore tables, read the way the menu reads game.dat: once
// with the game's key, once with a key taken from the input (its first byte gives the key's
// length, the key follows, the file is the rest).

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "Common/FileSystem/EncryptedFile.h"
#include "Common/GameUtil/Highscores.h"
#include "FuzzInputFile.h"
#include "Pexaro/GameDatLayout.h"

namespace {

// A table that was read must write itself back as lines that read as the same table.
void CheckTable(const std::vector<std::string>& rows) {
    std::vector<std::string> written;
    try {
        common::Highscores table(rows, '?', 10, "");
        written = table.ToLines();
        table.Add("Spieler", 42);
        table.ToLines();
    } catch (const std::exception&) {
        return;  // an unreadable table is dropped by the menu
    }
    const common::Highscores again(written, '?', 10, "");
    if (again.ToLines() != written) std::abort();
}

void ReadSaveFile(const std::string& fileName, const std::string& key) {
    const auto lines = common::EncryptedFile::Read(fileName, key);
    if (!lines || !pexaro::GameDatLayout::IsOurs(*lines)) return;
    for (const auto& rows : pexaro::GameDatLayout::Tables(*lines)) CheckTable(rows);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ReadSaveFile(fuzzing::FuzzInputFile::Write(data, size), pexaro::GameDatLayout::Key());
    if (size == 0) return 0;
    const size_t keyLength = data[0] % 32 + 1;
    if (size < 1 + keyLength) return 0;
    const std::string key(reinterpret_cast<const char*>(data + 1), keyLength);
    ReadSaveFile(fuzzing::FuzzInputFile::Write(data + 1 + keyLength, size - 1 - keyLength), key);
    return 0;
}
