// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <SDL.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "Pexaro/GameControl.h"
#include "Pexaro/Menu.h"
#include "Pexaro/Pexaro.h"
#include "Support/LogCapture.h"
#include "Support/TempDir.h"

namespace testsupport {

// The game in a real 1024 x 768 window, run from a fresh working folder that holds the font
// (and whatever picture sets the caller puts under bilder/). Frames and input are stepped by
// the caller, with a clock of its choosing. Tests and benchmarks share it.
class GameHarness {
  public:
    // The game's sound as settings.txt's keys sound and voice choose it: with either, a
    // MixerAudio on the SDL audio driver the environment names, handed to the engine as
    // main.cpp does, and matching GameSounds; soundFiles (the *.wav) are copied to daten/sounds/.
    struct AudioChoice {
        std::filesystem::path soundFiles;
        bool sound = false;
        bool voice = false;
    };

    // showLog: whether information lines are collected (benchmarks leave them off).
    explicit GameHarness(bool showLog = true) : GameHarness(showLog, AudioChoice{}) {}
    GameHarness(bool showLog, const AudioChoice& audio);
    ~GameHarness();
    GameHarness(const GameHarness&) = delete;
    GameHarness& operator=(const GameHarness&) = delete;

    // Starts a game of bilder/<set> as the menu would.
    void StartGame(const std::string& set);
    // One pass of the main loop at the given clock; false when the loop would end.
    bool Step(uint32_t ticks) { return engine_->Step(ticks); }
    void Type(const std::string& latin1);
    void Enter();
    // A key that types nothing (arrows, Page Up, Escape, F11).
    void Press(SDLKey key);
    // A key held down, as SDL's key state shows it: the first call is its press, each further
    // call a repeat. Release lets it go; the harness lets go of every held key at its end.
    void Hold(SDLKey key, uint16_t unicode = 0);
    void Release(SDLKey key);
    void Click(int x, int y);
    // The first node of that name below the current scene's root.
    std::shared_ptr<zr2d::Node> Find(const std::string& name) const;
    pexaro::Pexaro* Game() const;
    pexaro::Menu* CurrentMenu() const;
    pexaro::GameData& Data() { return control_->Data(); }
    zr2d::GameEngine& Engine() { return *engine_; }
    pexaro::GameControl& Control() { return *control_; }
    std::filesystem::path Path(const std::string& name) const { return dir_.Path() / name; }
    const LogCapture& Log() const { return log_; }

  protected:
    LogCapture log_;
    TempDir dir_;
    std::unique_ptr<zr2d::GameEngine> engine_;
    std::unique_ptr<pexaro::GameControl> control_;

  private:
    void Handle(SDL_Event event);
    std::filesystem::path previousFolder_;
    std::vector<SDLKey> held_;
};

}  // namespace testsupport
