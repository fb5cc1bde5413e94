// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>

#include "FrameClock.h"
#include "Support/GameHarness.h"

namespace bench {

// A game of a set of copies of one picture (four unless asked for more) in which every Enter
// brings a new picture and starts decoding the one after it, as in mid-game: instead of the Enter
// that would show the set's last picture, which has none after it, a new game starts.
class PictureGame {
  public:
    PictureGame(testsupport::GameHarness& game, FrameClock& clock,
                const std::filesystem::path& picture, int copies = 4);

    // Starts a new game if the next picture is the set's last, then steps frames until the next
    // picture's pixels have arrived and no fade runs.
    void WaitUntilNextIsReady();
    // Answers the shown picture, which starts the cross-fade to the next.
    void Enter();
    bool Step() { return game_.Step(clock_.Next()); }
    bool InCrossFade() const;

  private:
    testsupport::GameHarness& game_;
    FrameClock& clock_;
    int copies_;
    // Of the present game; a new game shows its first at once.
    int shown_;
};

}  // namespace bench
