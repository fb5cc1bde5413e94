// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "Common/GameUtil/Highscores.h"
#include "GameScene.h"
#include "HighscoreStore.h"
#include "KeyCommands.h"
#include "MenuPaging.h"
#include "ZudeRezede2D/Widgets/CheckBoxGroup.h"
#include "ZudeRezede2D/Widgets/TextEdit.h"

namespace pexaro {

// The start screen ("Hauptmenu"): the picture sets four to a page with thumbnails, the player's
// name, start and exit, and the chosen set's highscores. Every construction enters a score
// waiting from the last game and saves game.dat.
class Menu : public GameScene {
  public:
    static constexpr const char* kPictureFolder = "bilder//";
    static constexpr const char* kSaveFile = "game.dat";

    // Builds the menu; a failure is logged and the menu keeps what was built.
    static std::shared_ptr<Menu> Create(zr2d::GameEngine& engine, GameData& data,
                                        GameControl& control);
    Menu(zr2d::GameEngine& engine, GameData& data, GameControl& control);

    virtual void StartGame();
    virtual void ShowInfo() {}
    virtual void Exit();

    void NextPage();
    void PreviousPage();
    void RefreshGames();
    void OnGameSelected(const std::vector<uint16_t>& selected);
    void UpdateStartButton();
    const std::vector<common::Highscores>& Tables() const { return highscores_.Tables(); }
    // Thumbnails of this page on screen so far (they arrive from the background decoder).
    size_t ThumbnailsShown() const { return thumbnails_.size(); }
    common::Highscores* FindTable(const std::string& gameName);

    // The keyboard's way through the menu (arrows, Page Up/Down, Enter); the mouse's is unchanged.
    // Moves the selection by step sets, across pages; with none chosen, picks the page's first.
    void MoveSelection(int32_t step);
    // Like "<" and ">": nothing beyond the first or last page.
    void TurnPage(int32_t step);
    // Exactly when "Spiel starten" is enabled.
    void StartIfReady();

  private:
    void Build();
    void BuildGameMenu(const common::Point2D& screen);
    void BuildMainMenu();
    void BuildHighscorePanels();
    std::shared_ptr<zr2d::Node> SetButton(int32_t j, SetButtonSide side,
                                          const std::filesystem::path& folder);
    void AddThumbnail(zr2d::Node& button, SetButtonSide side, const std::filesystem::path& folder);
    void ShowThumbnail(zr2d::Node& button, SetButtonSide side,
                       const std::shared_ptr<zr2d::Texture>& texture);
    void ReleaseThumbnails();
    bool EnterPendingScore();
    void ShowHighscores(const common::Highscores* table);
    void FadePanel(int panel, int32_t target);
    void BindKeys();
    // index is 1-based in gameFolders_; shows its page and checks its box as a click would.
    void SelectSet(int32_t index);

    std::shared_ptr<zr2d::Frame> ui_;
    std::shared_ptr<zr2d::Frame> gameMenu_;
    std::shared_ptr<zr2d::Node> highscorePanels_[2];
    std::shared_ptr<zr2d::NodeFadeTransparent> panelFades_[2];
    std::shared_ptr<zr2d::TextEdit> nameEdit_;
    std::shared_ptr<zr2d::CheckBoxGroup> gameList_;
    std::vector<std::shared_ptr<zr2d::Texture>> thumbnails_;
    std::vector<std::shared_ptr<zr2d::PictureJob>> thumbnailJobs_;
    std::vector<std::filesystem::path> gameFolders_;
    std::shared_ptr<zr2d::Control> nextPageButton_;
    std::shared_ptr<zr2d::Control> previousPageButton_;
    MenuPaging paging_;
    std::shared_ptr<zr2d::TextNode> pageInfo_;
    HighscoreStore highscores_;
    bool selectedOnPage_ = false;
    std::unique_ptr<KeyCommands> keys_;
};

}  // namespace pexaro
