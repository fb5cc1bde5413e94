// SPDX-License-Identifier: GPL-3.0-or-later
#include "Menu.h"

#include "Common/MyLog.h"
#include "Common/Platform/Utf8Path.h"
#include "Common/RandomNumber.h"
#include "FolderListing.h"
#include "GameControl.h"
#include "GameDatLayout.h"
#include "ZudeRezede2D/Widgets/Group.h"

namespace pexaro {

using common::Color;
using common::MyLog;
using common::Point2D;
using common::Point3D;
using common::Rect;

namespace {

constexpr float kListWidth = 680;
constexpr float kListHeight = 349;
constexpr float kMainWidth = 160;
constexpr float kMainHeight = 143;
constexpr Point3D kPanelSize(504, 290, 0);
constexpr float kThumbnailBox = 120;
// At full speed from the start, ten frames: quick enough not to be waited for, not a flash.
constexpr float kThumbnailFade = 0;
constexpr float kThumbnailFadeSpeed = 25.5f;

float Whole(float value) { return static_cast<float>(static_cast<int32_t>(value)); }

}  // namespace

std::shared_ptr<Menu> Menu::Create(zr2d::GameEngine& engine, GameData& data, GameControl& control) {
    auto menu = std::make_shared<Menu>(engine, data, control);
    menu->Build();
    return menu;
}

Menu::Menu(zr2d::GameEngine& engine, GameData& data, GameControl& control)
    : GameScene("Hauptmenu", engine, data, control), highscores_(kSaveFile, data.PlayerName()) {}

void Menu::Build() {
    try {
        // Window pixels, origin top left.
        Camera()->SetIs2D(true);
        const Point2D screen = GameEngine().VideoEngine().ScreenSize();
        auto testInfo =
            Text("testInfo", Point3D(2, 2, 2), Data().SmallFont(), "Alpha Version, siehe info.txt");
        testInfo->SetColor(Color(64, 64, 255, 200));
        Root()->AddChild(testInfo);
        BuildGameMenu(screen);
        BuildMainMenu();
        BuildHighscorePanels();
        BindKeys();
        RefreshGames();
        highscores_.Load();
        EnterPendingScore();
        const std::string& storedPlayerName = highscores_.StoredPlayerName();
        if (!storedPlayerName.empty()) {
            nameEdit_->SetText(Data().PlayerName().empty() ? storedPlayerName
                                                           : Data().PlayerName());
        }
        if (selectedOnPage_) OnGameSelected(gameList_->Selected());
    } catch (const std::exception& error) {
        MyLog::Warning(error);
    }
}

void Menu::BuildGameMenu(const Point2D& screen) {
    gameMenu_ = std::make_shared<zr2d::Frame>(
        "gameMenu",
        Rect(Point3D(Whole(screen.X() / 2 - 340), 60, 0), Point3D(kListWidth, kListHeight, 0)),
        shared_from_this(), Data().SmallFont(), Look().NodeCreator());
    Root()->AddChild(gameMenu_);
    auto& group = *gameMenu_->MainGroup();
    gameList_ = group.AddCheckBoxGroup(
        "games", Rect(Point3D(0, 30, 0), Point3D(kListWidth, 318, 0)), false, false,
        [this](const std::vector<uint16_t>& selected) { OnGameSelected(selected); });
    group.AddTextButton("Anzeige aktualisieren", Point3D(2, 0, 0),
                        common::Bind<>(this, &Menu::RefreshGames), "");
    group.AddTextButton("<", Point3D(kListWidth - 41, 0, 0),
                        common::Bind<>(this, &Menu::PreviousPage), "");
    group.AddTextButton(">", Point3D(kListWidth - 15, 0, 0), common::Bind<>(this, &Menu::NextPage),
                        "");
    pageInfo_ = Text("pageInfo", Point3D(kListWidth - 68, 0, 0), Data().SmallFont(), " ");
    pageInfo_->SetAlignLeft(false);
    gameMenu_->AddChild(pageInfo_);
    previousPageButton_ = group.GetControl("<");
    nextPageButton_ = group.GetControl(">");
}

void Menu::BuildMainMenu() {
    const Point3D listPosition = gameMenu_->Position();
    ui_ = std::make_shared<zr2d::Frame>(
        "mainMenu",
        Rect(Point3D(Whole(listPosition.X() + kListWidth - kMainWidth),
                     listPosition.Y() + kListHeight + 16, 0),
             Point3D(kMainWidth, kMainHeight, 0)),
        shared_from_this(), Data().LargeFont(), Look().NodeCreator());
    Root()->AddChild(ui_);
    auto& group = *ui_->MainGroup();
    group.AddTextEdit("teName", Rect(Point3D(3, 3, 0), Point3D(kMainWidth - 6, 23, 0)),
                      "Spieler 1");
    nameEdit_ = std::dynamic_pointer_cast<zr2d::TextEdit>(group.GetControl("teName"));
    nameEdit_->SetMaxLength(16);
    nameEdit_->TextChanged().Add(common::Bind<>(this, &Menu::UpdateStartButton));
    const auto addButton = [&](const std::string& name, const std::string& label, float y,
                               void (Menu::*handler)()) {
        auto text = Text(name, Point3D(0, 0, 0), Data().LargeFont(), label);
        text->SetPosition(Point3D(Whole((kMainWidth - text->Size().X()) / 2), y, 0));
        group.AddNodeButton(text, common::Bind<>(this, handler));
        return group.GetControl(name);
    };
    addButton("startButton", " Spiel starten ", 43, &Menu::StartGame)->SetEnabled(false);
    addButton("infoButton", " Info ", 80, &Menu::ShowInfo)->SetEnabled(false);
    addButton("exitButton", " Beenden ", 117, &Menu::Exit);
}

void Menu::BuildHighscorePanels() {
    const Point3D position(gameMenu_->Position().X(), gameMenu_->Position().Y() + kListHeight + 16,
                           0);
    Root()->AddChild(
        Look().CreateShape("highScoreSpace", kPanelSize, Color(7, 21, 36, 160), position));
    for (auto& panel : highscorePanels_) {
        panel = NodeFactory().CreateEmptyNode("highScores", position.Add(Point3D(6, 8, 0)),
                                              kPanelSize.Add(Point3D(-12, -16, 0)));
        Root()->AddChild(panel);
    }
    highscorePanels_[1]->SetVisible(false);
}

void Menu::RefreshGames() {
    gameFolders_.clear();
    std::vector<std::string> sets;
    try {
        sets = FolderListing::Subfolders(kPictureFolder);
    } catch (const std::exception& error) {
        // No picture folder is an empty list, not a broken menu.
        MyLog::Warning(error);
    }
    for (const auto& set : sets) {
        gameFolders_.push_back(std::filesystem::path(kPictureFolder) / common::Utf8Path::From(set));
    }
    paging_ = MenuPaging(static_cast<int32_t>(gameFolders_.size()));
    Data().SetMenuPage(paging_.Clamped(Data().MenuPage()));
    const int32_t page = Data().MenuPage();
    previousPageButton_->SetEnabled(paging_.HasPrevious(page));
    nextPageButton_->SetEnabled(paging_.HasNext(page));
    pageInfo_->SetText("Seite " + std::to_string(page) + " von " +
                       std::to_string(paging_.PageCount()));

    gameList_->DisposeControls();
    ReleaseThumbnails();
    if (paging_.PageCount() < 1) {
        // The sets are all gone: nothing to choose, start or show scores of.
        selectedOnPage_ = false;
        OnGameSelected({});
        return;
    }
    MyLog::Info("this.Data.MenuCurrentGame: " + std::to_string(Data().MenuCurrentGame()));
    selectedOnPage_ = false;
    int32_t j = 0;
    for (int32_t i = 0; i < static_cast<int32_t>(gameFolders_.size()); ++i) {
        if (!paging_.IsOn(i + 1, page)) continue;
        const bool selected = Data().MenuCurrentGame() - 1 == i;
        if (selected) selectedOnPage_ = true;
        const SetButtonSide side = j % 2 == 0 ? SetButtonSide::Left : SetButtonSide::Right;
        Look().WithSetButtonLook(side, [&] {
            gameList_->AddGroupNodeCheckbox(
                SetButton(j, side, gameFolders_[static_cast<size_t>(i)]),
                static_cast<uint16_t>(i + 1), selected);
        });
        ++j;
    }
    gameList_->HideOverflow();
}

std::shared_ptr<zr2d::Node> Menu::SetButton(int32_t j, SetButtonSide side,
                                            const std::filesystem::path& folder) {
    const std::string setName = common::Utf8Path::Text(folder.stem());
    const std::string sideName = side == SetButtonSide::Left ? "left_" : "right_";
    auto button =
        NodeFactory().CreateEmptyNode("MM_selectGame_" + sideName + setName,
                                      Point3D(0, 64.0f * j + 40, 0), Point3D(kListWidth, 40, 0));
    auto label = Text(setName + "_name", Point3D(0, 0, 0), Data().SmallFont(), setName);
    const Point3D size = label->Size();
    label->SetPosition(Point3D(Whole((kListWidth - size.X()) / 2), Whole((40 - size.Y()) / 2), 0));
    button->AddChild(label);
    AddThumbnail(*button, side, folder);
    return button;
}

void Menu::AddThumbnail(zr2d::Node& button, SetButtonSide side,
                        const std::filesystem::path& folder) {
    std::vector<std::string> pictures;
    try {
        for (const auto& name : FolderListing::Files(folder)) {
            try {
                if (IsPictureFile(name)) pictures.push_back(name);
            } catch (const std::exception&) {
                // Too short to be a picture: not a thumbnail either.
            }
        }
    } catch (const std::exception& error) {
        MyLog::Warning(error);
    }
    if (pictures.empty()) return;
    const auto chosen = pictures[static_cast<size_t>(
        common::RandomNumber::Get(1, static_cast<int32_t>(pictures.size())) - 1)];
    // Decoded for twice the box, so that the thumbnail stays sharp without screen-sized
    // textures, unless the camera's preview covers the box itself; in the background, so that
    // the page is there at once and fades its thumbnails in.
    const std::string path = common::Utf8Path::Text(folder) + "//" + chosen;
    zr2d::PictureRequest request =
        PictureRequestFor(path, Point2D(2 * kThumbnailBox, 2 * kThumbnailBox));
    request.previewBox = Point2D(kThumbnailBox, kThumbnailBox);
    thumbnailJobs_.push_back(
        DecodeInBackground(std::move(request), [this, button = button.shared_from_this(), side,
                                                path](std::optional<zr2d::Picture> picture) {
            if (picture) ShowThumbnail(*button, side, UploadPicture(*picture, path));
        }));
}

void Menu::ShowThumbnail(zr2d::Node& button, SetButtonSide side,
                         const std::shared_ptr<zr2d::Texture>& texture) {
    if (!texture) return;
    thumbnails_.push_back(texture);
    auto thumbnail = NodeFactory().CreatePictureNode(texture, Point3D(0, 0, 0));
    const Point2D fitted = texture->Size().FitInto(Point2D(kThumbnailBox, kThumbnailBox));
    const float scale = fitted.X() / texture->Size().X();
    thumbnail->SetScale(Point3D(scale, scale, 1));
    const float column = side == SetButtonSide::Left ? 0 : kListWidth - kThumbnailBox;
    thumbnail->SetPosition(Point3D(Whole(column + (kThumbnailBox - fitted.X()) / 2),
                                   Whole((40 - fitted.Y()) / 2), 0.5f));
    thumbnail->SetTransparency(0);
    button.AddChild(thumbnail);
    NewFadeTransparent(thumbnail, 255, kThumbnailFade, kThumbnailFadeSpeed);
}

void Menu::ReleaseThumbnails() {
    // Thumbnails of a page no longer shown are not decoded any further.
    for (const auto& job : thumbnailJobs_) job->Cancel();
    thumbnailJobs_.clear();
    for (const auto& texture : thumbnails_) {
        GameEngine().VideoEngine().Factory().FreeTexture(*texture);
    }
    thumbnails_.clear();
}

void Menu::NextPage() {
    Data().SetMenuPage(Data().MenuPage() + 1);
    RefreshGames();
}

void Menu::PreviousPage() {
    Data().SetMenuPage(Data().MenuPage() - 1);
    RefreshGames();
}

void Menu::OnGameSelected(const std::vector<uint16_t>& selected) {
    Data().SetMenuCurrentGame(selected.empty() ? -1 : selected.front());
    UpdateStartButton();
    const int32_t current = Data().MenuCurrentGame();
    if (current > 0 && current <= static_cast<int32_t>(gameFolders_.size())) {
        ShowHighscores(FindTable(GameDatLayout::TableName(
            common::Utf8Path::Text(gameFolders_[static_cast<size_t>(current - 1)].stem()))));
    } else {
        ShowHighscores(nullptr);
    }
}

void Menu::UpdateStartButton() {
    ui_->MainGroup()
        ->GetControl("startButton")
        ->SetEnabled(!nameEdit_->Text().empty() && Data().MenuCurrentGame() > -1);
}

void Menu::StartGame() {
    const int32_t current = Data().MenuCurrentGame();
    if (current < 1 || current > static_cast<int32_t>(gameFolders_.size())) return;
    Data().SetPlayerName(nameEdit_->Text());
    Data().SetGameFolder(gameFolders_[static_cast<size_t>(current - 1)]);
    try {
        Control().StartGame();
    } catch (const std::exception& error) {
        // A set that cannot be read (no rights, gone since the list was made) is not worth
        // ending the program for: the menu stays and shows what is there now. The game has
        // logged the cause where it happened.
        MyLog::Warning(std::string_view(error.what()));
        RefreshGames();
        if (selectedOnPage_) OnGameSelected(gameList_->Selected());
    }
}

void Menu::Exit() { Control().Quit(); }

common::Highscores* Menu::FindTable(const std::string& gameName) {
    return highscores_.FindTable(gameName);
}

bool Menu::EnterPendingScore() {
    if (Data().Points() < 0) {
        MyLog::Info("DON'T SAVE");
        return false;
    }
    MyLog::Info("SAVE");
    highscores_.Enter(common::Utf8Path::Text(Data().GameFolder().stem()), Data().PlayerName(),
                      Data().Points());
    Data().SetPoints(-1);
    Data().SetGameFolder({});
    highscores_.Save(Data().PlayerName().empty() ? nameEdit_->Text() : Data().PlayerName());
    return true;
}

void Menu::ShowHighscores(const common::Highscores* table) {
    const int target = highscorePanels_[0]->Visible() && !highscorePanels_[1]->Visible() ? 1 : 0;
    auto& panel = highscorePanels_[target];
    panel->DisposeChildren(GameEngine());
    if (!table) {
        for (int i = 0; i < 2; ++i) {
            if (highscorePanels_[i]->Visible()) FadePanel(i, 0);
        }
        return;
    }
    const float width = panel->Size().X();
    auto title = Text("highscore_info", Point3D(0, -2, 0), Data().SmallFont(),
                      table->GameName() + " - Platzierung");
    title->SetPosition(Point3D(Whole((width - title->Size().X()) / 2), -2, 0));
    panel->AddChild(title);
    const auto& entries = table->Entries();
    const auto n = static_cast<int32_t>(entries.size());
    for (int32_t i = 0; i < n; ++i) {
        const std::string row = "highscore_row_" + std::to_string(i);
        auto background = Look().CreateRowBackground(row + "_bg", Point3D(width - 9, 17, 1),
                                                     Color(138, 200, 238, 15 * (n - i)),
                                                     Point3D(-3, 26.0f * i + 32, 1));
        background->AddChild(Text(row, Point3D(4, 0, 0), Data().SmallFont(),
                                  entries[static_cast<size_t>(i)].Name()));
        auto points = Text(row + "_points", Point3D(width - 9, 0, 0), Data().SmallFont(),
                           std::to_string(entries[static_cast<size_t>(i)].Points()));
        points->SetAlignLeft(false);
        background->AddChild(points);
        panel->AddChild(background);
    }
    FadePanel(target, 255);
    if (highscorePanels_[1 - target]->Visible()) FadePanel(1 - target, 0);
}

void Menu::FadePanel(int panel, int32_t target) {
    // One fade per panel: a new one replaces a fade still running the other way.
    if (panelFades_[panel]) panelFades_[panel]->Stop();
    panelFades_[panel] = NewFadeTransparent(highscorePanels_[panel], target, 0.5f, 20.0f);
}

}  // namespace pexaro
