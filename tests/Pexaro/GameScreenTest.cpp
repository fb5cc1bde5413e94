// SPDX-License-Identifier: GPL-3.0-or-later
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <set>
#include <thread>

#include "Common/FileSystem/EncryptedFile.h"
#include "Common/RandomNumber.h"
#include "GameFixture.h"
#include "Pexaro/GameDatLayout.h"
#include "Support/HostCommand.h"

using common::Color;

namespace pexaro::test {
namespace {

class GameScreenTest : public GameTest {
  protected:
    std::shared_ptr<zr2d::TextNode> TextOf(const std::string& name) {
        return std::dynamic_pointer_cast<zr2d::TextNode>(Find(name));
    }
    // Types the answer and presses Enter, then lets the picture change run out.
    void Answer(const std::string& text) {
        Type(text);
        Enter();
        FinishTransition();
    }
    std::vector<std::string> SavedLines() {
        return common::EncryptedFile::Read("game.dat", GameDatLayout::Key())
            .value_or(std::vector<std::string>{});
    }
};

}  // namespace

TEST_F(GameScreenTest, EveryPictureOnceWithProgressPointsAndFeedback) {
    MakeSet("Tiere", {"Hund.png", "Katze.jpg", "Große Maus.png", "Äffchen.bmp", "notiz.txt", ".png",
                      "Bild.jpeg"});
    Data().SetPlayerName("Anna");
    StartGame("Tiere");
    ASSERT_NE(Game(), nullptr);
    Frame();
    EXPECT_EQ(TextOf("progress")->Text(), "1/4");
    EXPECT_FALSE(TextOf("quickPointInfo")->Visible());
    EXPECT_TRUE(log_.Contains("| Datei .png wird ignoriert.\n"));

    std::set<std::string> seen;
    // Exactly right, in other case: 10 points, no correction shown.
    std::string answer = Game()->CurrentPicture()->Answer();
    seen.insert(Game()->CurrentPicture()->FileName());
    Type(answer == "Äffchen" ? "\xC4"
                               "FFCHEN"
                             : answer);  // Latin-1 keys, as SDL delivers them
    Enter();
    EXPECT_EQ(TextOf("quickPointInfo")->Text(), "10 Punkte");
    EXPECT_EQ(TextOf("points")->Text(), "10");
    EXPECT_FALSE(TextOf("lastPicInfo")->Visible());
    // Enter while the picture changes does nothing and keeps the text.
    EXPECT_TRUE(Game()->TransitionNode()->Visible());
    Type("abc");
    Enter();
    EXPECT_EQ(Game()->Input()->Text(), "abc");
    EXPECT_EQ(TextOf("points")->Text(), "10");
    FinishTransition();
    EXPECT_EQ(TextOf("progress")->Text(), "2/4");

    // Empty and hopeless answers score 0 and show the answer in white.
    seen.insert(Game()->CurrentPicture()->FileName());
    const std::string second = Game()->CurrentPicture()->FileName();
    Game()->Input()->SetText("");
    Enter();
    EXPECT_EQ(TextOf("quickPointInfo")->Text(), "0 Punkte");
    EXPECT_TRUE(TextOf("lastPicInfo")->Visible());
    EXPECT_EQ(TextOf("lastPicInfo")->Text(),
              "Richtig wäre: " + second.substr(0, second.size() - 4));
    EXPECT_EQ(TextOf("lastPicInfo")->Color(), Color(255, 255, 255, 255));
    FinishTransition();
    seen.insert(Game()->CurrentPicture()->FileName());
    Game()->Input()->SetText("xxxxxxxxxxxxxxxxxxxx");
    Enter();
    EXPECT_EQ(TextOf("quickPointInfo")->Text(), "0 Punkte");
    FinishTransition();

    // The last one: a partial answer; its colour runs towards green with the score.
    seen.insert(Game()->CurrentPicture()->FileName());
    const int32_t expected = std::clamp(Game()->CurrentPicture()->CheckName("a"), 0, 10);
    Game()->Input()->SetText("a");
    Enter();
    EXPECT_EQ(TextOf("points")->Text(), std::to_string(10 + expected));
    if (expected < 10) {
        EXPECT_EQ(TextOf("lastPicInfo")->Color(),
                  Color(255 - 10 * expected, 255, 255 - 10 * expected, 255));
    }
    EXPECT_TRUE(Game()->IsFinished());
    EXPECT_EQ(seen.size(), 4u);

    // When the last picture has faded the menu takes over and enters the total.
    FinishTransition();
    ASSERT_NE(CurrentMenu(), nullptr);
    EXPECT_TRUE(log_.Contains("| SAVE\n"));
    EXPECT_EQ(Data().Points(), -1);
    const auto lines = SavedLines();
    const std::vector<std::string> expectedLines{
        "{(Vorlatec)|Playername}", "Anna", "{(Vorlatec)|Highscore}",
        "{(Vorlatec)|HighscoreGameName}Tiere", "Anna?" + std::to_string(10 + expected)};
    EXPECT_EQ(lines, expectedLines);
}

TEST_F(GameScreenTest, OnePictureEndsAfterOneAnswerAndBeendenDuringTheFadeStillCounts) {
    MakeSet("Eins", {"Leuchtturm.jpg"});
    Data().SetPlayerName("Ben");
    StartGame("Eins");
    Frame();
    EXPECT_EQ(TextOf("progress")->Text(), "1/1");
    Type("Leuchtturm");
    Enter();
    EXPECT_TRUE(Game()->IsFinished());
    // "Beenden" sits at (652, 748): frame (312, 724) plus the button's (340, 24).
    Frame();
    Click(670, 754);
    ASSERT_NE(CurrentMenu(), nullptr);
    EXPECT_EQ(SavedLines().back(), "Ben?10");
}

TEST_F(GameScreenTest, LeavingEarlyOrABrokenPictureHandsNothingOver) {
    MakeSet("Zwei", {"Eins.png", "Zwei.png"});
    StartGame("Zwei");
    Frame();
    Click(670, 754);
    ASSERT_NE(CurrentMenu(), nullptr);
    EXPECT_TRUE(log_.Contains("| DON'T SAVE\n"));
    EXPECT_EQ(Data().Points(), -1);
    EXPECT_FALSE(std::filesystem::exists("game.dat"));

    // "Beenden" during the change to the second picture drops the points of the first.
    StartGame("Zwei");
    Frame();
    const std::string first = Game()->CurrentPicture()->FileName();
    Type(first.substr(0, first.size() - 4));
    Enter();
    ASSERT_TRUE(Game()->TransitionNode()->Visible());
    Frame();
    Click(670, 754);
    ASSERT_NE(CurrentMenu(), nullptr);
    EXPECT_EQ(Data().Points(), -1);
    EXPECT_FALSE(std::filesystem::exists("game.dat"));

    // Escape is "Beenden"; keys the game does not use change nothing.
    StartGame("Zwei");
    Frame();
    for (const SDLKey key : {SDLK_UP, SDLK_PAGEDOWN, SDLK_F1}) Press(key);
    ASSERT_NE(Game(), nullptr);
    EXPECT_EQ(Game()->Input()->Text(), "");
    Press(SDLK_ESCAPE);
    ASSERT_NE(CurrentMenu(), nullptr);
    EXPECT_EQ(Data().Points(), -1);
    EXPECT_FALSE(std::filesystem::exists("game.dat"));

    // The next picture fails to load: the game ends at once, without points. A game whose first
    // picture is the broken one never shows; the next start may choose the other first.
    std::ofstream("bilder/Zwei/Zwei.png") << "kein Bild";
    for (int start = 0; start < 50 && !Game(); ++start) StartGame("Zwei");
    ASSERT_NE(Game(), nullptr);
    ASSERT_EQ(Game()->CurrentPicture()->FileName(), "Eins.png");
    Frame();
    Type("Eins");
    Enter();
    ASSERT_NE(CurrentMenu(), nullptr);
    EXPECT_EQ(Data().Points(), -1);
    EXPECT_FALSE(std::filesystem::exists("game.dat"));
    // No temporary copy is left behind in the working folder, once the workers are done.
    engine_->Dispose();
    for (const auto& entry : std::filesystem::directory_iterator(".")) {
        EXPECT_FALSE(entry.path().filename().string().starts_with("_tmpFilePexaro"))
            << entry.path();
    }
}

TEST_F(GameScreenTest, PicturesAndRandomDrawsKeepTheirOrderWhileTheNextPictureDecodesAhead) {
    const std::vector<std::string> names = {"Apfel.png", "Birne.png", "Kiwi.png", "Pflaume.png"};
    MakeSet("Obst", names);
    std::vector<std::array<int32_t, 3>> draws;
    common::RandomNumber::Seed(99);
    common::RandomNumber::SetObserver([&](int32_t min, int32_t max, int32_t drawn) {
        draws.push_back({min, max, drawn});
    });
    StartGame("Obst");
    std::vector<std::string> shown;
    for (size_t k = 1; k <= names.size(); ++k) {
        ASSERT_NE(Game(), nullptr);
        // Progress and picture change at Enter, not when the next picture is chosen.
        EXPECT_EQ(TextOf("progress")->Text(), std::to_string(k) + "/4");
        shown.push_back(Game()->CurrentPicture()->FileName());
        if (k == 1) Frame();
        Type("x");
        Enter();
        if (k < names.size()) FinishTransition();
    }
    common::RandomNumber::SetObserver(nullptr);

    // The first choice; then per answer the next choice (none after the last picture) and the
    // change's fade speeds, zoom and drift, each factor with its sign.
    const std::vector<std::array<int32_t, 2>> change = {{30, 60},  {4, 9}, {10, 140}, {1, 2},
                                                        {10, 140}, {4, 5}, {10, 250}, {1, 2},
                                                        {10, 100}, {4, 5}};
    std::vector<std::array<int32_t, 2>> expected = {{1, 4}};
    for (size_t k = 0; k < names.size(); ++k) {
        expected.push_back({1, 4});
        expected.insert(expected.end(), change.begin(), change.end());
    }
    std::vector<std::array<int32_t, 2>> ranges;
    for (const auto& draw : draws) ranges.push_back({draw[0], draw[1]});
    ASSERT_EQ(ranges, expected);
    // Each choice starts at its draw and takes the first picture not shown yet, in name order.
    std::vector<bool> used(names.size());
    for (size_t k = 0; k < names.size(); ++k) {
        const size_t choice = k == 0 ? 0 : 1 + (k - 1) * (1 + change.size());
        size_t at = static_cast<size_t>(draws[choice][2] - 1);
        while (used[at]) at = (at + 1) % names.size();
        used[at] = true;
        EXPECT_EQ(shown[k], names[at]) << "picture " << k + 1;
    }
}

TEST_F(GameScreenTest, ASetWithoutPicturesNeverShowsTheGame) {
    MakeSet("Leer", {"nur.txt"});
    control_->ShowMenu();
    StartGame("Leer");
    EXPECT_NE(CurrentMenu(), nullptr);
    EXPECT_EQ(Game(), nullptr);
}

TEST_F(GameScreenTest, AFinishedGameGivesItsTexturesBack) {
    MakeSet("Paar", {"Rot.png", "Blau.png"});
    const auto play = [&] {
        StartGame("Paar");
        Frame();
        Answer("Rot");
        Answer("Blau");
        ASSERT_NE(CurrentMenu(), nullptr);
        // The set's thumbnail arrives from the background decoder within some frames.
        for (int frame = 0; frame < 500 && CurrentMenu()->ThumbnailsShown() < 1; ++frame) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            Frame();
        }
        ASSERT_EQ(CurrentMenu()->ThumbnailsShown(), 1u);
    };
    play();
    const int32_t afterFirst = engine_->VideoEngine().LiveTextureCount();
    play();  // every glyph has been seen now; pictures and thumbnails are released
    EXPECT_EQ(engine_->VideoEngine().LiveTextureCount(), afterFirst);
}

TEST_F(GameScreenTest, ScreenLayoutByPixels) {
    MakeSet("Farben", {"Grün.png"});
    StartGame("Farben");
    engine_->VideoEngine().InitFrame();
    engine_->CurrentScene()->Update(ticks_ += 16);
    glFinish();
    std::vector<uint8_t> rgb(1024 * 768 * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, 1024, 768, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    const auto pixel = [&](int x, int y) {
        const size_t at = (static_cast<size_t>(767 - y) * 1024 + static_cast<size_t>(x)) * 3;
        return std::array<int, 3>{rgb[at], rgb[at + 1], rgb[at + 2]};
    };
    const auto differs = [](const std::array<int, 3>& a, const std::array<int, 3>& b) {
        return std::abs(a[0] - b[0]) + std::abs(a[1] - b[1]) + std::abs(a[2] - b[2]) > 12;
    };
    // The input frame covers x 312..728 and y 724..764.
    const auto backdrop = pixel(150, 744);
    EXPECT_FALSE(differs(pixel(300, 744), backdrop));
    EXPECT_TRUE(differs(pixel(320, 744), backdrop));
    EXPECT_TRUE(differs(pixel(720, 744), backdrop));
    EXPECT_FALSE(differs(pixel(742, 744), backdrop));
    // The picture is centred: its own colour at the middle of the screen.
    const auto middle = pixel(512, 384);
    EXPECT_NEAR(middle[0], 40, 3);
    EXPECT_NEAR(middle[1], 90, 3);
    EXPECT_NEAR(middle[2], 160, 3);
    // The points panel sits in the top right corner.
    EXPECT_TRUE(differs(pixel(1000, 30), pixel(600, 30)));

    // Kept for people to look at.
    std::ofstream ppm(PEXARO_ARTIFACT_DIR "/game-screen.ppm", std::ios::binary);
    ppm << "P6\n1024 768\n255\n";
    for (int row = 767; row >= 0; --row) {
        ppm.write(reinterpret_cast<const char*>(rgb.data() + row * 1024 * 3), 1024 * 3);
    }
    ppm.close();
    EXPECT_EQ(testsupport::HostCommand("convert " PEXARO_ARTIFACT_DIR
                                       "/game-screen.ppm " PEXARO_ARTIFACT_DIR "/game-screen.png"),
              0);
}

}  // namespace pexaro::test

namespace pexaro::test {

TEST_F(GameScreenTest, TemporaryCopiesNeverWriteThroughWhatIsThere) {
    MakeSet("Eins", {"Öl Lampe.PNG"});
    // A bare screen: the menu's thumbnails would be copied meanwhile in the background.
    GameScene scene("Eins", *engine_, Data(), *control_);
    // A leftover copy and a planted file (a link where links need no privilege) take the first
    // two names.
    std::ofstream("_tmpFilePexaro.PNG") << "alt";
#ifdef _WIN32
    std::ofstream("_tmpFilePexaro0.PNG") << "unberührt";
    const std::string planted = "_tmpFilePexaro0.PNG";
#else
    std::filesystem::create_symlink("opfer.txt", "_tmpFilePexaro0.PNG");
    std::ofstream("opfer.txt") << "unberührt";
    const std::string planted = "opfer.txt";
#endif
    const auto texture = scene.LoadPictureTexture("bilder//Eins//Öl Lampe.PNG");
    ASSERT_NE(texture, nullptr);
    EXPECT_EQ(texture->Size().X(), 320);
    EXPECT_EQ(dir_.Read(planted), "unberührt");
    EXPECT_EQ(dir_.Read("_tmpFilePexaro.PNG"), "alt");
    EXPECT_FALSE(std::filesystem::exists("_tmpFilePexaro1.PNG"));  // used and removed again
    EXPECT_EQ(scene.LoadPictureTexture("bilder//Eins//fehlt.png"), nullptr);
}

}  // namespace pexaro::test
