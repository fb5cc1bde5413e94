#pragma once

#include <SDL.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "Pexaro/GameControl.h"
#include "Pexaro/Menu.h"
#include "Pexaro/Pexaro.h"
#include "Support/LogCapture.h"
#include "Support/TempDir.h"

namespace pexaro::test {

// The game in a real 1024 x 768 window, run from a fresh working folder that holds the font and
// the picture sets a test makes. Frames and input are stepped by the test.
class GameTest : public ::testing::Test {
  protected:
    GameTest();
    ~GameTest() override;

    // bilder/<set>/<file> for each file, each picture in its own colour.
    void MakeSet(const std::string& set, const std::vector<std::string>& files);
    // Starts a game of bilder/<set> as the menu would.
    void StartGame(const std::string& set);
    // One frame of the current scene at the next 16 ms tick.
    void Frame();
    void Frames(int count);
    // Frames until the game's picture change is over (at most 10 seconds of frames).
    void FinishTransition();
    void Type(const std::string& latin1);
    void Enter();
    void Click(int x, int y);
    // The first node of that name below the current scene's root.
    std::shared_ptr<zr2d::Node> Find(const std::string& name) const;
    Pexaro* Game() const;
    Menu* CurrentMenu() const;
    GameData& Data() { return control_->Data(); }
    std::filesystem::path Path(const std::string& name) const { return dir_.Path() / name; }

    testsupport::LogCapture log_;
    testsupport::TempDir dir_;
    std::unique_ptr<zr2d::GameEngine> engine_;
    std::unique_ptr<GameControl> control_;
    uint32_t ticks_ = 1000;

  private:
    void Handle(SDL_Event event);
    std::filesystem::path previousFolder_;
};

}  // namespace pexaro::test
