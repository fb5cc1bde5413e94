// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>

#include "Common/RandomNumber.h"
#include "Pexaro/GameRules.h"

namespace pexaro::test {
namespace {

std::vector<std::shared_ptr<PictureFile>> Pictures(const std::vector<std::string>& names) {
    std::vector<std::shared_ptr<PictureFile>> pictures;
    for (const auto& name : names) pictures.push_back(std::make_shared<PictureFile>(name));
    return pictures;
}

// Every draw while it lives, with its range and result.
class DrawLog {
  public:
    DrawLog() {
        common::RandomNumber::SetObserver([this](int32_t min, int32_t max, int32_t drawn) {
            draws_.push_back({min, max, drawn});
        });
    }
    ~DrawLog() { common::RandomNumber::SetObserver(nullptr); }
    std::vector<std::array<int32_t, 3>> draws_;
};

}  // namespace

TEST(GameRulesTest, EveryPictureOnceCountedAndEachAnswerScoredFromZeroToTen) {
    GameRules rules(Pictures({"Hund.png", "Katze.jpg", "Große Maus.png", "Äffchen.bmp"}));
    EXPECT_EQ(rules.Progress(), "0/4");
    // Progress and the current picture change when the chosen one is counted, not before.
    ASSERT_NE(rules.ChooseNext(), nullptr);
    EXPECT_EQ(rules.Current(), nullptr);
    EXPECT_EQ(rules.Progress(), "0/4");
    ASSERT_TRUE(rules.Advance());
    EXPECT_EQ(rules.Progress(), "1/4");
    EXPECT_EQ(rules.Next(), nullptr);

    std::set<std::string> seen{rules.Current()->FileName()};
    EXPECT_EQ(rules.Score(rules.Current()->Answer()), 10);
    EXPECT_EQ(rules.Points(), 10);
    // Empty and hopeless answers score 0: no points are taken away.
    rules.ChooseNext();
    ASSERT_TRUE(rules.Advance());
    seen.insert(rules.Current()->FileName());
    EXPECT_EQ(rules.Score(""), 0);
    rules.ChooseNext();
    ASSERT_TRUE(rules.Advance());
    seen.insert(rules.Current()->FileName());
    ASSERT_LT(rules.Current()->CheckName("xxxxxxxxxxxxxxxxxxxx"), 0);
    EXPECT_EQ(rules.Score("xxxxxxxxxxxxxxxxxxxx"), 0);
    EXPECT_EQ(rules.Points(), 10);
    EXPECT_FALSE(rules.IsFinished());

    rules.ChooseNext();
    ASSERT_TRUE(rules.Advance());
    EXPECT_EQ(rules.Progress(), "4/4");
    seen.insert(rules.Current()->FileName());
    const int32_t expected = std::clamp(rules.Current()->CheckName("a"), 0, 10);
    EXPECT_EQ(rules.Score("a"), expected);
    EXPECT_EQ(rules.Points(), 10 + expected);
    EXPECT_EQ(seen.size(), 4u);

    // Through the set: nothing left to choose, the game is finished and keeps its total.
    EXPECT_EQ(rules.ChooseNext(), nullptr);
    EXPECT_FALSE(rules.Advance());
    EXPECT_EQ(rules.Progress(), "4/4");
    EXPECT_TRUE(rules.Finish(true));
    EXPECT_TRUE(rules.IsFinished());
    EXPECT_EQ(rules.Points(), 10 + expected);
}

TEST(GameRulesTest, EachChoiceIsOneDrawFromWhichTheFirstUnusedPictureInNameOrderIsTaken) {
    const std::vector<std::string> names = {"Apfel.png", "Birne.png", "Kiwi.png", "Pflaume.png"};
    GameRules rules(Pictures(names));
    common::RandomNumber::Seed(99);
    DrawLog log;
    std::vector<bool> used(names.size());
    for (size_t k = 0; k < names.size(); ++k) {
        const auto chosen = rules.ChooseNext();
        ASSERT_EQ(log.draws_.size(), k + 1);
        EXPECT_EQ(log.draws_[k][0], 1);
        EXPECT_EQ(log.draws_[k][1], 4);
        size_t at = static_cast<size_t>(log.draws_[k][2] - 1);
        while (used[at]) at = (at + 1) % names.size();
        used[at] = true;
        ASSERT_NE(chosen, nullptr);
        EXPECT_EQ(chosen->FileName(), names[at]) << "picture " << k + 1;
        EXPECT_TRUE(chosen->IsUsed());
        ASSERT_TRUE(rules.Advance());
        EXPECT_EQ(rules.Current(), chosen);
    }
    // With all used the draw is still made, at the same place in the sequence.
    EXPECT_EQ(rules.ChooseNext(), nullptr);
    EXPECT_EQ(log.draws_.size(), names.size() + 1);

    // A set without pictures draws nothing and has no first picture.
    GameRules empty(Pictures({}));
    EXPECT_EQ(empty.ChooseNext(), nullptr);
    EXPECT_FALSE(empty.Advance());
    EXPECT_EQ(log.draws_.size(), names.size() + 1);
    EXPECT_EQ(empty.Progress(), "0/0");
}

TEST(GameRulesTest, OnlyAGameThroughEveryPictureWithTheLastOneShownIsFinished) {
    GameRules early(Pictures({"Eins.png", "Zwei.png"}));
    early.ChooseNext();
    early.Advance();
    early.Score(early.Current()->Answer());
    early.ChooseNext();
    EXPECT_FALSE(early.Finish(true));
    EXPECT_FALSE(early.IsFinished());
    EXPECT_EQ(early.Points(), 10);

    // The last picture counted but failed to load.
    GameRules broken(Pictures({"Eins.png", "Zwei.png"}));
    for (int k = 0; k < 2; ++k) {
        broken.ChooseNext();
        ASSERT_TRUE(broken.Advance());
    }
    EXPECT_FALSE(broken.Finish(false));
    EXPECT_FALSE(broken.IsFinished());
}

}  // namespace pexaro::test
