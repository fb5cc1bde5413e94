// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Common/Exception.h"
#include "Common/GameUtil/Highscores.h"
#include "Support/LogCapture.h"

using common::HighScore;
using common::Highscores;
using Lines = std::vector<std::string>;

namespace {

Lines Rows(const Highscores& table) {
    Lines rows;
    for (const auto& entry : table.Entries()) rows.push_back(entry.ToLine('?'));
    return rows;
}

}  // namespace

TEST(Highscores, AddRanksNewestFirstAmongEqualsAndTrimsAtCapacity) {
    Highscores table(Lines{"Anna?50", "Ben?40", "Dora?30"}, '?', 10, "");
    table.Add("Cleo", 40);
    EXPECT_EQ(Rows(table), (Lines{"Anna?50", "Cleo?40", "Ben?40", "Dora?30"}));

    Highscores full(std::nullopt, '?', 10, "Tiere");
    for (int i = 0; i < 10; ++i) full.Add("P" + std::to_string(i), 110 - i * 10);
    ASSERT_EQ(full.Entries().size(), 10u);
    ASSERT_EQ(full.Entries().back().Points(), 20);
    // An equal score ranks before the old one, so it takes the last place: points unchanged.
    full.Add("Low", 20);
    EXPECT_EQ(full.Entries().size(), 10u);
    EXPECT_EQ(full.Entries()[8].ToLine('?'), "P8?30");
    EXPECT_EQ(full.Entries()[9].ToLine('?'), "Low?20");
    full.Add("Top", 21);
    EXPECT_EQ(full.Entries().size(), 10u);
    EXPECT_EQ(full.Entries()[9].ToLine('?'), "Top?21");
    full.Add("Tiny", 1);  // too low: inserted at the end and removed at once
    EXPECT_EQ(full.Entries()[9].ToLine('?'), "Top?21");

    Highscores none(std::nullopt, '?', -1, "");
    none.Add("x", 5);  // a nonsensical capacity keeps nothing instead of misbehaving
    EXPECT_TRUE(none.Entries().empty());
}

TEST(Highscores, RowsSplitAtTheLastSeparatorAndReadPointsLeniently) {
    const HighScore odd("Ann?a?12", '?');
    EXPECT_EQ(odd.Name(), "Ann?a");
    EXPECT_EQ(odd.Points(), 12);
    EXPECT_EQ(HighScore("Bob?0x1F", '?').Points(), 31);
    EXPECT_EQ(HighScore("Bob?viel", '?').Points(), 0);
    EXPECT_EQ(HighScore("?7", '?').Name(), "");
    EXPECT_THROW(HighScore("ohne Trenner", '?'), common::Exception);
}

TEST(Highscores, GameNameLineRules) {
    testsupport::LogCapture log;
    const Highscores fresh(std::nullopt, '?', 10, "Tiere");
    EXPECT_TRUE(fresh.IsNew());
    EXPECT_EQ(fresh.ToLines(), (Lines{"{(Vorlatec)|HighscoreGameName}Tiere"}));
    EXPECT_TRUE(log.Contains("| {(Vorlatec)|HighscoreGameName} length:30\n"));

    const Highscores read(Lines{"{(Vorlatec)|HighscoreGameName}Städte", "Ben?63", "Anna?70"},
                          '?', 10, "ignored");
    EXPECT_FALSE(read.IsNew());
    EXPECT_EQ(read.GameName(), "Städte");
    EXPECT_TRUE(log.Contains("| blub2\n"));
    // File order is kept, unsorted.
    EXPECT_EQ(read.ToLines(),
              (Lines{"{(Vorlatec)|HighscoreGameName}Städte", "Ben?63", "Anna?70"}));

    // The marker only counts on the first line.
    EXPECT_THROW(Highscores(Lines{"Ben?1", "{(Vorlatec)|HighscoreGameName}X"}, '?', 10, ""),
                 common::Exception);

    const Highscores unnamed(Lines{}, '?', 10, "");
    EXPECT_FALSE(unnamed.IsNew());
    EXPECT_TRUE(unnamed.ToLines().empty());
}

TEST(Highscores, ConstructorWrapsFailures) {
    testsupport::LogCapture log;
    try {
        // Exactly the marker with an empty name is taken as a row, and has no separator.
        Highscores(Lines{"{(Vorlatec)|HighscoreGameName}"}, '?', 10, "");
        FAIL() << "no exception";
    } catch (const common::Exception& e) {
        const std::string message = e.what();
        EXPECT_EQ(message.rfind("Error in HighScores constructor:\n", 0), 0u) << message;
        EXPECT_GT(message.size(), std::string("Error in HighScores constructor:\n").size());
    }
    EXPECT_TRUE(log.Contains("| Create Highscores From: \n"));
    EXPECT_TRUE(log.Contains("| {(Vorlatec)|HighscoreGameName}\n"));
}
