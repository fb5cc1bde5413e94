// SPDX-License-Identifier: GPL-3.0-or-later
#include "HighscoreStore.h"

#include <algorithm>
#include <filesystem>
#include <optional>

#include "Common/FileSystem/AtomicFile.h"
#include "Common/FileSystem/EncryptedFile.h"
#include "Common/FileSystem/File.h"
#include "Common/MyLog.h"
#include "Common/Platform/Utf8Path.h"
#include "GameDatLayout.h"

namespace pexaro {

using common::MyLog;

HighscoreStore::HighscoreStore(std::string fileName, std::string playerName)
    : fileName_(std::move(fileName)), storedPlayerName_(std::move(playerName)) {}

common::Highscores* HighscoreStore::FindTable(const std::string& gameName) {
    const auto found = std::find_if(tables_.begin(), tables_.end(), [&](const auto& table) {
        return table.GameName() == gameName;
    });
    return found == tables_.end() ? nullptr : &*found;
}

void HighscoreStore::Load() {
    std::optional<std::vector<std::string>> lines;
    try {
        lines = common::EncryptedFile::Read(fileName_, GameDatLayout::Key());
    } catch (const std::exception& error) {
        // Unreadable is not empty: it must not be replaced by a file without its tables.
        damaged_ = true;
        MyLog::Warning(error);
        return;
    }
    if (!lines) return;
    // Written with another key, or not ours: nothing in it can be trusted.
    if (!GameDatLayout::IsOurs(*lines)) {
        damaged_ = true;
        MyLog::Warning(fileName_ + " ist beschädigt und wird nicht gelesen.");
        return;
    }
    if (lines->size() > 1) storedPlayerName_ = (*lines)[1];
    MyLog::Info("setted playername: " + storedPlayerName_);
    // Rows outside any table: kept in the copy of the damaged file, not dropped.
    if (GameDatLayout::HasRowsOutsideTables(*lines)) damaged_ = true;
    for (const auto& rows : GameDatLayout::Tables(*lines)) {
        // One damaged table does not take the readable ones with it.
        try {
            tables_.emplace_back(rows, '?', 10, "");
        } catch (const std::exception& error) {
            damaged_ = true;
            MyLog::Warning(error);
        }
    }
}

void HighscoreStore::Enter(const std::string& setName, const std::string& playerName,
                           int32_t points) {
    const std::string name = GameDatLayout::TableName(setName);
    common::Highscores* table = FindTable(name);
    if (!table) table = &tables_.emplace_back(std::nullopt, '?', 10, name);
    table->Add(playerName, points);
}

void HighscoreStore::Save(const std::string& playerName) {
    std::vector<std::string> lines{std::string(common::Highscores::kPlayerNameMarker), playerName};
    for (const auto& table : tables_) {
        lines.emplace_back(common::Highscores::kTableMarker);
        for (auto& line : table.ToLines()) lines.push_back(std::move(line));
    }
    try {
        if (damaged_) KeepDamagedFile();
        common::EncryptedFile::Write(fileName_, GameDatLayout::Key(), lines);
    } catch (const std::exception& error) {
        // The old file stays as it was; the game goes on.
        MyLog::Warning(error);
    }
}

void HighscoreStore::KeepDamagedFile() {
    // What could not be read is kept as it was, beside the file that replaces it.
    std::string backup;
    for (int n = 1; backup.empty() || std::filesystem::exists(common::Utf8Path::From(backup));
         ++n) {
        backup = fileName_ + ".beschaedigt-" + std::to_string(n);
    }
    // Flushed like the save, so that a power cut cannot keep the new file but lose the copy.
    common::AtomicFile::Write(backup, common::File::ReadBytes(fileName_));
    MyLog::Warning(fileName_ + " war beschädigt; das Original liegt jetzt in " + backup);
    damaged_ = false;
}

}  // namespace pexaro
