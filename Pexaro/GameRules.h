// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "PictureFile.h"

namespace pexaro {

// One game's state and rules, apart from its screen: the pictures of the set in random order,
// each counted once, each answer scored, and when the game is over. The next picture is chosen
// while the current one is shown, so that the screen can decode it ahead.
class GameRules {
  public:
    GameRules() = default;
    explicit GameRules(std::vector<std::shared_ptr<PictureFile>> pictures);

    // The random choice among the unused pictures, marked used and kept as the next one; null
    // when all are used.
    const std::shared_ptr<PictureFile>& ChooseNext();
    // Counts the chosen picture as the current one; false when none was chosen.
    bool Advance();
    // The answer's score for the current picture, 0 to 10, added to the points.
    int32_t Score(const std::string& answer);
    // Ends the game after the current picture. It is finished (and worth its total) when every
    // picture was counted and the last one could be shown.
    bool Finish(bool currentShown);

    int32_t Points() const { return points_; }
    bool IsFinished() const { return finished_; }
    // "current/count", as the screen shows it.
    std::string Progress() const;
    const std::shared_ptr<PictureFile>& Current() const { return current_; }
    const std::shared_ptr<PictureFile>& Next() const { return next_; }

  private:
    std::vector<std::shared_ptr<PictureFile>> pictures_;
    std::shared_ptr<PictureFile> current_;
    std::shared_ptr<PictureFile> next_;
    int32_t pictureNumber_ = 0;
    int32_t points_ = 0;
    bool finished_ = false;
};

}  // namespace pexaro
