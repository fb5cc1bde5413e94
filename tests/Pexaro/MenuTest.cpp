// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#ifndef _WIN32
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#endif

#include "Common/FileSystem/EncryptedFile.h"
#include "Common/Platform/Utf8Path.h"
#include "GameFixture.h"
#include "Pexaro/GameDatLayout.h"
#include "ZudeRezede2D/Scene/SimpleFormNode.h"
#include "ZudeRezede2D/Video/Data/ColoredVertex.h"
#include "ZudeRezede2D/Video/Data/SingleVertices.h"
#include "ZudeRezede2D/Widgets/Checkbox.h"
#include "ZudeRezede2D/Widgets/Control.h"

using common::Color;

namespace pexaro::test {
namespace {

class MenuTest : public GameTest {
  protected:
    void ShowMenu() {
        control_->ShowMenu();
        Frame();
    }
    std::string PageInfo() {
        return std::dynamic_pointer_cast<zr2d::TextNode>(Find("pageInfo"))->Text();
    }
    std::shared_ptr<zr2d::Control> ControlNamed(const std::string& id) {
        return std::dynamic_pointer_cast<zr2d::Control>(Find("ctrl_" + id));
    }
    // The two highscore panels, the one shown first at the start.
    std::vector<std::shared_ptr<zr2d::Node>> Panels() {
        std::vector<std::shared_ptr<zr2d::Node>> panels;
        for (const auto& node : CurrentMenu()->Root()->Children().List()) {
            if (node->Name() == "highScores") panels.push_back(node);
        }
        return panels;
    }
    // Frames until the panel fades are over (at most 10 seconds of frames).
    void FinishFades(const std::shared_ptr<zr2d::Node>& in,
                     const std::shared_ptr<zr2d::Node>& out) {
        for (int i = 0; i < 600 && (in->Transparency() < 255 || out->Visible()); ++i) Frame();
    }
    std::vector<std::string> Saved() {
        return common::EncryptedFile::Read("game.dat", GameDatLayout::Key())
            .value_or(std::vector<std::string>{});
    }
};

}  // namespace

TEST_F(MenuTest, FiveSetsGiveTwoPagesOfFour) {
    for (const std::string set : {"Alpen", "Blumen", "Ches", "Dünen", "Eis"}) {
        MakeSet(set, {"Bild.png"});
    }
    ShowMenu();
    EXPECT_EQ(PageInfo(), "Seite 1 von 2");
    EXPECT_FALSE(ControlNamed("<")->Enabled());
    EXPECT_TRUE(ControlNamed(">")->Enabled());
    EXPECT_NE(Find("MM_selectGame_left_Alpen"), nullptr);
    EXPECT_NE(Find("MM_selectGame_right_Blumen"), nullptr);
    EXPECT_NE(Find("MM_selectGame_right_Dünen"), nullptr);
    EXPECT_EQ(Find("MM_selectGame_left_Eis"), nullptr);
    // Set buttons fade away from their thumbnail: strongest at the left edge on the left.
    const auto leftEdgeAlpha = [&](const std::string& button) {
        const auto background = std::dynamic_pointer_cast<zr2d::SimpleFormNode>(
            Find("ctrl_" + button + "_checkBox_bg"));
        const auto vertices =
            std::dynamic_pointer_cast<zr2d::SingleVertices>(background->Vertices());
        return std::dynamic_pointer_cast<zr2d::ColoredVertex>(vertices->GetVertex(0))->Color().A();
    };
    EXPECT_EQ(leftEdgeAlpha("MM_selectGame_left_Alpen"), 24);
    EXPECT_EQ(leftEdgeAlpha("MM_selectGame_right_Blumen"), 6);

    CurrentMenu()->NextPage();
    EXPECT_EQ(PageInfo(), "Seite 2 von 2");
    EXPECT_TRUE(ControlNamed("<")->Enabled());
    EXPECT_FALSE(ControlNamed(">")->Enabled());
    EXPECT_NE(Find("MM_selectGame_left_Eis"), nullptr);
    EXPECT_EQ(Data().MenuPage(), 2);
}

TEST_F(MenuTest, SelectingASetAndTheNameDecideTheStartButton) {
    MakeSet("Tiere", {"Hund.png"});
    ShowMenu();
    const auto start = ControlNamed("startButton");
    EXPECT_FALSE(start->Enabled());
    EXPECT_FALSE(ControlNamed("infoButton")->Enabled());
    // The first set's strip: list frame at (172, 60), list at y 30, strip 40 below.
    Click(512, 60 + 30 + 40 + 20);
    EXPECT_EQ(Data().MenuCurrentGame(), 1);
    EXPECT_TRUE(start->Enabled());
    EXPECT_NE(CurrentMenu(), nullptr);  // choosing a set does not leave the menu
    auto nameEdit = std::dynamic_pointer_cast<zr2d::TextEdit>(ControlNamed("teName"));
    nameEdit->SetText("");
    EXPECT_FALSE(start->Enabled());
    nameEdit->SetText("Jörg");
    EXPECT_TRUE(start->Enabled());
    CurrentMenu()->StartGame();
    ASSERT_NE(Game(), nullptr);
    EXPECT_EQ(Data().PlayerName(), "Jörg");
}

TEST_F(MenuTest, TheKeyboardPicksSetsAcrossPagesAndStartsOnlyWhenTheButtonWould) {
    for (const std::string set : {"Alpen", "Blumen", "Ches", "Dünen", "Eis"}) {
        MakeSet(set, {"Bild.png"});
    }
    ShowMenu();
    const auto start = ControlNamed("startButton");
    // Nothing chosen: Enter and Escape do nothing, and Page Up stays on the first page.
    for (const SDLKey key : {SDLK_RETURN, SDLK_ESCAPE, SDLK_PAGEUP}) Press(key);
    ASSERT_NE(CurrentMenu(), nullptr);
    EXPECT_EQ(Data().MenuPage(), 1);
    EXPECT_EQ(Data().MenuCurrentGame(), -1);

    Press(SDLK_DOWN);
    EXPECT_EQ(Data().MenuCurrentGame(), 1);
    EXPECT_TRUE(start->Enabled());
    Press(SDLK_UP);
    EXPECT_EQ(Data().MenuCurrentGame(), 1);
    for (int i = 0; i < 4; ++i) Press(SDLK_RIGHT);
    EXPECT_EQ(Data().MenuCurrentGame(), 5);
    EXPECT_EQ(PageInfo(), "Seite 2 von 2");
    // The page's box is checked, as a click would have done it.
    const auto eis =
        std::dynamic_pointer_cast<zr2d::Checkbox>(ControlNamed("MM_selectGame_left_Eis_checkBox"));
    ASSERT_NE(eis, nullptr);
    EXPECT_TRUE(eis->IsChecked());
    Press(SDLK_DOWN);
    EXPECT_EQ(Data().MenuCurrentGame(), 5);
    Press(SDLK_PAGEDOWN);
    EXPECT_EQ(Data().MenuPage(), 2);
    Press(SDLK_PAGEUP);
    EXPECT_EQ(PageInfo(), "Seite 1 von 2");
    EXPECT_EQ(Data().MenuCurrentGame(), 5);
    Press(SDLK_LEFT);
    EXPECT_EQ(Data().MenuCurrentGame(), 4);
    EXPECT_EQ(Data().MenuPage(), 1);

    // The name field takes typing at once; without a name Enter does not start.
    for (int i = 0; i < 9; ++i) Press(SDLK_BACKSPACE);
    EXPECT_FALSE(start->Enabled());
    Enter();
    Press(SDLK_KP_ENTER);
    ASSERT_NE(CurrentMenu(), nullptr);
    Type("Kim");
    // The number pad's Enter starts as Return does. Held on, it repeats into the game, whose
    // answer field takes neither its repeats nor counts it held while a letter is typed.
    Hold(SDLK_KP_ENTER, 13);
    ASSERT_NE(Game(), nullptr);
    EXPECT_EQ(Data().PlayerName(), "Kim");
    EXPECT_EQ(common::Utf8Path::Text(Data().GameFolder().filename()), "Dünen");
    Frame();
    const auto quickPoints = [&] {
        return std::dynamic_pointer_cast<zr2d::TextNode>(Find("quickPointInfo"))->Text();
    };
    for (int i = 0; i < 3; ++i) Hold(SDLK_KP_ENTER, 13);
    Type("H");
    EXPECT_EQ(Game()->Input()->Text(), "H");
    EXPECT_EQ(quickPoints(), "00 Punkte");
    // Let go, it is Enter again.
    Release(SDLK_KP_ENTER);
    Press(SDLK_KP_ENTER);
    EXPECT_EQ(quickPoints(), "0 Punkte");
    // Back in the menu, Return starts the chosen set again.
    Press(SDLK_ESCAPE);
    ASSERT_NE(CurrentMenu(), nullptr);
    Enter();
    ASSERT_NE(Game(), nullptr);
}

TEST_F(MenuTest, APendingScoreIsEnteredOnceAndSaved) {
    MakeSet("Tiere", {"Hund.png"});
    MakeSet("Urlaub.2009", {"Strand.png"});
    Data().SetPlayerName("Anna");
    Data().SetPoints(57);
    Data().SetGameFolder("bilder//Tiere");
    ShowMenu();
    EXPECT_TRUE(log_.Contains("| SAVE\n"));
    EXPECT_EQ(Data().Points(), -1);
    EXPECT_TRUE(Data().GameFolder().empty());
    EXPECT_EQ(Saved(),
              (std::vector<std::string>{"{(Vorlatec)|Playername}", "Anna", "{(Vorlatec)|Highscore}",
                                        "{(Vorlatec)|HighscoreGameName}Tiere", "Anna?57"}));
    ShowMenu();
    EXPECT_TRUE(log_.Contains("| DON'T SAVE\n"));

    // A set is stored under its folder name without extension, after the tables before it.
    Data().SetPlayerName("Ben");
    Data().SetPoints(63);
    Data().SetGameFolder("bilder//Urlaub.2009");
    ShowMenu();
    const auto lines = Saved();
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[1], "Ben");
    EXPECT_EQ(lines[6], "{(Vorlatec)|HighscoreGameName}Urlaub");
    EXPECT_EQ(lines[7], "Ben?63");
    // The name field shows the player of this run.
    EXPECT_EQ(std::dynamic_pointer_cast<zr2d::TextEdit>(ControlNamed("teName"))->Text(), "Ben");
}

TEST_F(MenuTest, ThreeStoredTablesReadBackWithTheLastPlayer) {
    common::EncryptedFile::Write(
        "game.dat", GameDatLayout::Key(),
        {"{(Vorlatec)|Playername}", "Cleo", "{(Vorlatec)|Highscore}",
         "{(Vorlatec)|HighscoreGameName}Tiere", "Anna?57", "Ben?41", "{(Vorlatec)|Highscore}",
         "{(Vorlatec)|HighscoreGameName}Städte", "Ben?63", "{(Vorlatec)|Highscore}",
         "{(Vorlatec)|HighscoreGameName}Farben", "Dora?30", "Ann?a?12"});
    ShowMenu();
    const auto& tables = CurrentMenu()->Tables();
    ASSERT_EQ(tables.size(), 3u);
    EXPECT_EQ(tables[0].Entries().size(), 2u);
    EXPECT_EQ(tables[1].GameName(), "Städte");
    EXPECT_EQ(tables[2].Entries()[1].Name(), "Ann?a");
    EXPECT_EQ(std::dynamic_pointer_cast<zr2d::TextEdit>(ControlNamed("teName"))->Text(), "Cleo");
    EXPECT_TRUE(log_.Contains("| setted playername: Cleo\n"));
    // The field takes typing from the start; its cursor stands behind the stored name, not
    // where the name it was built with ("Spieler 1") ended.
    const auto name = Find("teName");
    EXPECT_EQ(Find("teName_cursor")->Position().X(), name->Position().X() + name->Size().X() + 3);
}

TEST_F(MenuTest, NoPictureFolderGivesAnEmptyMenu) {
    std::filesystem::remove_all("bilder");
    ShowMenu();
    EXPECT_EQ(PageInfo(), "Seite 1 von 0");
    EXPECT_FALSE(ControlNamed("startButton")->Enabled());
    Frames(3);
}

TEST_F(MenuTest, ASetGoneWhenChosenLeavesTheMenuUpWithTheListRenewed) {
    MakeSet("Tiere", {"Hund.png"});
    ShowMenu();
    Click(512, 60 + 30 + 40 + 20);
    ASSERT_TRUE(ControlNamed("startButton")->Enabled());
    std::filesystem::remove_all("bilder/Tiere");
    CurrentMenu()->StartGame();
    EXPECT_EQ(Game(), nullptr);
    ASSERT_NE(CurrentMenu(), nullptr);
    EXPECT_TRUE(log_.Contains("Fehler beim Initialisieren des Spieles."));
    // No set is left: its button went with it, and nothing can be started.
    EXPECT_EQ(Find("MM_selectGame_left_Tiere"), nullptr);
    EXPECT_EQ(PageInfo(), "Seite 1 von 0");
    EXPECT_FALSE(ControlNamed("startButton")->Enabled());
    Frames(2);
}

TEST_F(MenuTest, TheChosenSetsTableFadesInOverTheOtherPanelBestRowBrightest) {
    MakeSet("Städte", {"Rom.png"});
    MakeSet("Tiere", {"Hund.png"});
    common::EncryptedFile::Write(
        "game.dat", GameDatLayout::Key(),
        {"{(Vorlatec)|Playername}", "Cleo", "{(Vorlatec)|Highscore}",
         "{(Vorlatec)|HighscoreGameName}Tiere", "Anna?57", "Ben?41", "Cleo?9",
         "{(Vorlatec)|Highscore}", "{(Vorlatec)|HighscoreGameName}Städte", "Dora?30"});
    ShowMenu();
    const auto panels = Panels();
    ASSERT_EQ(panels.size(), 2u);
    EXPECT_TRUE(panels[0]->Visible());
    EXPECT_FALSE(panels[1]->Visible());

    // "Tiere" is the second strip: its table goes to the hidden panel, which fades in.
    Click(512, 60 + 30 + 104 + 20);
    FinishFades(panels[1], panels[0]);
    EXPECT_EQ(panels[1]->Transparency(), 255);
    EXPECT_FALSE(panels[0]->Visible());
    const float width = panels[1]->Size().X();
    const auto title =
        std::dynamic_pointer_cast<zr2d::TextNode>(panels[1]->Children().Find("highscore_info"));
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->Text(), "Tiere - Platzierung");
    EXPECT_NEAR(title->Position().X() + title->Size().X() / 2, width / 2, 1);
    const std::vector<std::string> points{"57", "41", "9"};
    for (size_t i = 0; i < points.size(); ++i) {
        const std::string row = "highscore_row_" + std::to_string(i);
        const auto background = panels[1]->Children().Find(row + "_bg");
        ASSERT_NE(background, nullptr) << row;
        // The best row is the most opaque, each lower one 15 less.
        EXPECT_EQ(Corner(background, 0), Color(138, 200, 238, 15 * (3 - static_cast<int>(i))));
        const auto shown =
            std::dynamic_pointer_cast<zr2d::TextNode>(background->Children().Find(row + "_points"));
        ASSERT_NE(shown, nullptr) << row;
        EXPECT_EQ(shown->Text(), points[i]);
        // Right-aligned at the row's right end, so that the digits line up.
        EXPECT_FALSE(shown->AlignLeft());
        EXPECT_EQ(shown->Position().X(), width - 9);
    }

    // The other set: back to the first panel, and the second fades out.
    Click(512, 60 + 30 + 40 + 20);
    FinishFades(panels[0], panels[1]);
    EXPECT_EQ(panels[0]->Transparency(), 255);
    EXPECT_FALSE(panels[1]->Visible());
    EXPECT_EQ(
        std::dynamic_pointer_cast<zr2d::TextNode>(panels[0]->Children().Find("highscore_info"))
            ->Text(),
        "Städte - Platzierung");
    EXPECT_EQ(Corner(panels[0]->Children().Find("highscore_row_0_bg"), 0).A(), 15);
    EXPECT_EQ(panels[0]->Children().Find("highscore_row_1_bg"), nullptr);
}

TEST(MenuKey, TheKeyOfGameDatNeverChanges) {
    // Saved highscores can only be read with the key they were written with.
    EXPECT_EQ(GameDatLayout::Key(), "5qT87#2vL1m23xW99");
}

}  // namespace pexaro::test

namespace pexaro::test {

TEST_F(MenuTest, ADamagedSaveFileIsKeptBeforeItIsRewritten) {
    MakeSet("Tiere", {"Hund.png"});
    // The second table has a row without separator: the first one is still readable.
    common::EncryptedFile::Write(
        "game.dat", GameDatLayout::Key(),
        {"{(Vorlatec)|Playername}", "Cleo", "{(Vorlatec)|Highscore}",
         "{(Vorlatec)|HighscoreGameName}Tiere", "Anna?57", "{(Vorlatec)|Highscore}",
         "{(Vorlatec)|HighscoreGameName}Städte", "kaputt"});
    const std::string original = dir_.Read("game.dat");
    Data().SetPlayerName("Ben");
    Data().SetPoints(40);
    Data().SetGameFolder("bilder//Tiere");
    ShowMenu();
    EXPECT_EQ(CurrentMenu()->Tables().size(), 1u);
    EXPECT_EQ(dir_.Read("game.dat.beschaedigt-1"), original);
    EXPECT_TRUE(
        log_.Contains("game.dat war beschädigt; das Original liegt jetzt in "
                      "game.dat.beschaedigt-1\n"));
    const auto lines = Saved();
    EXPECT_EQ(lines[lines.size() - 2], "Anna?57");
    EXPECT_EQ(lines.back(), "Ben?40");

    // A file written with another key is not read, and kept as well.
    common::EncryptedFile::Write("game.dat", "ein anderer Schlüssel", {"x", "y"});
    Data().SetPoints(10);
    Data().SetGameFolder("bilder//Tiere");
    ShowMenu();
    EXPECT_TRUE(std::filesystem::exists("game.dat.beschaedigt-2"));
    EXPECT_EQ(Saved().back(), "Ben?10");

#ifndef _WIN32
    // A file nobody can open, not even root (a socket), counts as damaged too: as no copy of it
    // can be kept, nothing is written over it.
    std::filesystem::remove("game.dat");
    const int listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strcpy(address.sun_path, "game.dat");
    ASSERT_EQ(::bind(listener, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    Data().SetPoints(20);
    Data().SetGameFolder("bilder//Tiere");
    ShowMenu();
    ::close(listener);
    EXPECT_TRUE(log_.Contains("Cannot open game.dat"));
    EXPECT_TRUE(std::filesystem::is_socket("game.dat"));
    EXPECT_FALSE(std::filesystem::exists("game.dat.beschaedigt-3"));
#endif
}

TEST_F(MenuTest, RowsOutsideAnyTableAreKeptInTheCopyOfTheDamagedFile) {
    MakeSet("Tiere", {"Hund.png"});
    common::EncryptedFile::Write("game.dat", GameDatLayout::Key(),
                                 {"{(Vorlatec)|Playername}", "Cleo", "Anna?57", "Ben?12"});
    const std::string original = dir_.Read("game.dat");
    Data().SetPlayerName("Ben");
    Data().SetPoints(40);
    Data().SetGameFolder("bilder//Tiere");
    ShowMenu();
    EXPECT_EQ(dir_.Read("game.dat.beschaedigt-1"), original);
    EXPECT_EQ(Saved().back(), "Ben?40");
}

TEST_F(MenuTest, AFailedSaveIsLoggedAndTheMenuGoesOn) {
    MakeSet("Tiere", {"Hund.png"});
    std::filesystem::create_directory("game.dat");  // nothing can replace a folder
    Data().SetPoints(40);
    Data().SetGameFolder("bilder//Tiere");
    ShowMenu();
    EXPECT_TRUE(log_.Contains("Warn  Warning - "));
    EXPECT_TRUE(std::filesystem::is_directory("game.dat"));
    // The menu was built to the end: the start button reacts to the name.
    EXPECT_EQ(std::dynamic_pointer_cast<zr2d::TextEdit>(ControlNamed("teName"))->Text(),
              "Spieler 1");
    Frames(2);
}

}  // namespace pexaro::test
