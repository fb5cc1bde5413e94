// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameRules.h"

#include <algorithm>

#include "Common/RandomNumber.h"

namespace pexaro {

GameRules::GameRules(std::vector<std::shared_ptr<PictureFile>> pictures)
    : pictures_(std::move(pictures)) {}

const std::shared_ptr<PictureFile>& GameRules::ChooseNext() {
    next_.reset();
    const auto count = static_cast<int32_t>(pictures_.size());
    if (count == 0) return next_;
    // One draw for the start; from there the first unused one, in name order.
    const int32_t start = common::RandomNumber::Get(1, count) - 1;
    for (int32_t step = 0; step < count; ++step) {
        const auto& candidate = pictures_[static_cast<size_t>((start + step) % count)];
        if (!candidate->IsUsed()) {
            candidate->SetUsed();
            next_ = candidate;
            break;
        }
    }
    return next_;
}

bool GameRules::Advance() {
    if (!next_) return false;
    ++pictureNumber_;
    current_ = std::move(next_);
    next_.reset();
    return true;
}

int32_t GameRules::Score(const std::string& answer) {
    const int32_t score = std::clamp(answer.empty() ? 0 : current_->CheckName(answer), 0, 10);
    points_ += score;
    return score;
}

bool GameRules::Finish(bool currentShown) {
    finished_ = currentShown && pictureNumber_ == static_cast<int32_t>(pictures_.size());
    return finished_;
}

std::string GameRules::Progress() const {
    return std::to_string(pictureNumber_) + "/" + std::to_string(pictures_.size());
}

}  // namespace pexaro
