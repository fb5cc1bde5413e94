// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "GameSounds.h"
#include "ZudeRezede2D/Video/FontManager.h"

namespace pexaro {

// The state every screen shares for the whole run.
class GameData {
  public:
    static constexpr const char* kFontFile = "daten//font//vera//Vera.ttf";

    GameData();
    virtual ~GameData() = default;

    virtual const std::shared_ptr<zr2d::Font>& SmallFont() const { return smallFont_; }
    virtual const std::shared_ptr<zr2d::Font>& LargeFont() const { return largeFont_; }
    // The chosen picture set's folder; empty until one is chosen.
    virtual const std::filesystem::path& GameFolder() const { return gameFolder_; }
    virtual void SetGameFolder(const std::filesystem::path& folder) { gameFolder_ = folder; }
    virtual const std::string& PlayerName() const { return playerName_; }
    virtual void SetPlayerName(const std::string& name) { playerName_ = name; }
    // The last game's total waiting for the highscores; -1 when none waits.
    virtual int32_t Points() const { return points_; }
    virtual void SetPoints(int32_t points) { points_ = points; }
    // 1-based page of the menu's set list.
    virtual int32_t MenuPage() const { return menuPage_; }
    virtual void SetMenuPage(int32_t page) { menuPage_ = page; }
    // 1-based index of the chosen set in the menu's list; -1 when none.
    virtual int32_t MenuCurrentGame() const { return menuCurrentGame_; }
    virtual void SetMenuCurrentGame(int32_t index) { menuCurrentGame_ = index; }
    // Silent until the program hands over its audio engine.
    GameSounds& Sounds() { return sounds_; }
    void SetSounds(GameSounds sounds) { sounds_ = std::move(sounds); }

  private:
    zr2d::FontManager fontManager_;
    std::shared_ptr<zr2d::Font> smallFont_;
    std::shared_ptr<zr2d::Font> largeFont_;
    std::filesystem::path gameFolder_;
    std::string playerName_;
    int32_t points_ = -1;
    int32_t menuPage_ = 1;
    int32_t menuCurrentGame_ = -1;
    GameSounds sounds_;
};

}  // namespace pexaro
