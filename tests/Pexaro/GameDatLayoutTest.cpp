// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Pexaro/GameDatLayout.h"

using pexaro::GameDatLayout;
using Lines = std::vector<std::string>;

namespace {

const std::string kPlayer = "{(Vorlatec)|Playername}";
const std::string kTable = "{(Vorlatec)|Highscore}";

}  // namespace

TEST(GameDatLayout, OnlyFilesStartingWithThePlayerMarkerAreOurs) {
    EXPECT_TRUE(GameDatLayout::IsOurs(Lines{kPlayer}));
    EXPECT_TRUE(GameDatLayout::IsOurs(Lines{kPlayer, "Anna", kTable}));
    EXPECT_FALSE(GameDatLayout::IsOurs(Lines{}));
    EXPECT_FALSE(GameDatLayout::IsOurs(Lines{""}));
    EXPECT_FALSE(GameDatLayout::IsOurs(Lines{kPlayer + " "}));
    EXPECT_FALSE(GameDatLayout::IsOurs(Lines{"Anna", kPlayer}));
}

TEST(GameDatLayout, TablesRunFromTheirMarkerToTheNextOrTheEnd) {
    EXPECT_EQ(
        GameDatLayout::Tables(Lines{kPlayer, "Anna", kTable, "a?1", "b?2", kTable, kTable, "c?3"}),
        (std::vector<Lines>{{"a?1", "b?2"}, {}, {"c?3"}}));
    EXPECT_EQ(GameDatLayout::Tables(Lines{kPlayer, "Anna", kTable}), (std::vector<Lines>{{}}));
    // Lines before the first marker belong to no table.
    EXPECT_EQ(GameDatLayout::Tables(Lines{kPlayer, "Anna", "x?1", kTable, "y?2"}),
              (std::vector<Lines>{{"y?2"}}));
    // The player's name is never a marker, even when it reads like one.
    EXPECT_EQ(GameDatLayout::Tables(Lines{kPlayer, kTable, "a?1"}), std::vector<Lines>{});
    EXPECT_TRUE(GameDatLayout::Tables(Lines{kPlayer}).empty());
    EXPECT_TRUE(GameDatLayout::Tables(Lines{}).empty());
}

TEST(GameDatLayout, RowsBetweenTheNameAndTheFirstTableBelongToNone) {
    EXPECT_TRUE(GameDatLayout::HasRowsOutsideTables(Lines{kPlayer, "Anna", "x?1", kTable}));
    EXPECT_TRUE(GameDatLayout::HasRowsOutsideTables(Lines{kPlayer, "Anna", "", "x?1"}));
    EXPECT_FALSE(GameDatLayout::HasRowsOutsideTables(Lines{kPlayer, "Anna", "", kTable, "y?2"}));
    EXPECT_FALSE(GameDatLayout::HasRowsOutsideTables(Lines{kPlayer, "Anna"}));
    EXPECT_FALSE(GameDatLayout::HasRowsOutsideTables(Lines{kPlayer}));
}

TEST(GameDatLayout, ASetNameWithLineBreaksIsStoredOnOneLine) {
    EXPECT_EQ(GameDatLayout::TableName("Urlaub\n2009\r"), "Urlaub 2009 ");
    EXPECT_EQ(GameDatLayout::TableName("Äpfel 🐶"), "Äpfel 🐶");
}
