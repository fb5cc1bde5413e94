// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "GameData.h"
#include "ZudeRezede2D/GameEngine.h"

namespace pexaro {

// Owns the game's shared data and switches between the menu and a game; every switch builds
// a fresh screen and disposes the one before.
class GameControl {
  public:
    explicit GameControl(zr2d::GameEngine& engine) : engine_(engine) {}
    virtual ~GameControl() = default;

    // Shows the menu, runs the main loop until the program ends, then shuts the engine down.
    virtual void Run();
    virtual void Quit() { engine_.Dispose(); }
    virtual void ShowMenu();
    // Shows a game of the chosen set, unless it found nothing to show and went back to the menu.
    virtual void StartGame();

    GameData& Data() { return data_; }

  private:
    GameData data_;
    zr2d::GameEngine& engine_;
};

}  // namespace pexaro
