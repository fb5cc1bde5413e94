// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Common/GameUtil/ConfigFile.h"
#include "Support/LogCapture.h"
#include "Support/TempDir.h"

using common::ConfigFile;

namespace {

std::vector<std::string> Names(const ConfigFile& config) {
    std::vector<std::string> names;
    for (const auto& group : config.Groups()) names.push_back(group->Name());
    return names;
}

std::vector<std::string> Lines(const common::ConfigGroup& group) {
    std::vector<std::string> lines;
    for (const auto& data : group.DataList()) lines.push_back(data->ToLine());
    return lines;
}

}  // namespace

TEST(ConfigFile, ReadsTheGameSettingsAndLogsEachLine) {
    testsupport::TempDir dir;
    dir.Write("settings.txt",
              "[Game]\r\nshowLog = 1\r\nfullscreen = 0\r\nmaxTextureSize = 512\r\n");
    testsupport::LogCapture log;
    ConfigFile config(dir.File("settings.txt"));
    auto game = config.GetGroup("Game");
    EXPECT_TRUE(game->GetData("showLog", "0")->GetBool());
    EXPECT_FALSE(game->GetData("fullscreen", "1")->GetBool());
    EXPECT_EQ(game->GetData("maxTextureSize", "1024")->GetInt(), 512);
    EXPECT_TRUE(log.Contains("| New Group: Game\n"));
    EXPECT_TRUE(log.Contains("| New Data: maxTextureSize = 512\n"));
    EXPECT_TRUE(log.Contains("| char[]-value: 512\n"));
    EXPECT_FALSE(log.Contains("Error in ConfigFile constructor"));
}

TEST(ConfigFile, MissingOrEmptyFilesGiveDefaultsThatAreKept) {
    testsupport::TempDir dir;
    {
        testsupport::LogCapture log;
        ConfigFile missing(dir.File("nope.txt"));
        EXPECT_TRUE(log.Contains("| Error in ConfigFile constructor\n"));
        EXPECT_TRUE(missing.Groups().empty());
        auto game = missing.GetGroup("Game");
        EXPECT_EQ(missing.GetGroup("Game"), game);
        auto first = game->GetData("maxTextureSize", "512");
        EXPECT_EQ(first->GetInt(), 512);
        EXPECT_EQ(game->GetData("maxTextureSize", "64"), first);  // added by the first lookup
        EXPECT_EQ(game->DataList().size(), 1u);
    }
    {
        dir.Write("empty.txt", "");
        testsupport::LogCapture log;
        ConfigFile empty(dir.File("empty.txt"));
        EXPECT_TRUE(log.Contains("| Konfigurationsdatei nicht vorhanden\n"));
    }
    {
        // Only empty lines: the reader returns lines, which are all skipped.
        dir.Write("blank.txt", "\n\n\n");
        testsupport::LogCapture log;
        ConfigFile blank(dir.File("blank.txt"));
        EXPECT_FALSE(log.Contains("nicht vorhanden"));
        EXPECT_FALSE(log.Contains("Error"));
        EXPECT_TRUE(blank.Groups().empty());
    }
}

TEST(ConfigFile, SurprisingLineRules) {
    testsupport::TempDir dir;
    dir.Write("odd.txt",
              "[A]\n"
              "ab\n"          // two bytes: skipped, no failure
              "key = a = b\n"
              " lead = 1\n"
              "[B] \n"        // the trailing blank is the byte dropped
              "[A]\n"         // a second group of the same name
              "x = 1\n"
              "key=value\n"   // no " = ": reading stops here
              "after = 1\n");
    testsupport::LogCapture log;
    ConfigFile config(dir.File("odd.txt"));
    EXPECT_TRUE(log.Contains("| Error in ConfigFile constructor\n"));
    EXPECT_EQ(Names(config), (std::vector<std::string>{"A", "B]", "A"}));
    auto a = config.GetGroup("A");
    EXPECT_EQ(Lines(*a), (std::vector<std::string>{"key = a = b", " lead = 1"}));
    EXPECT_EQ(a->GetData("key", "")->Key(), "key");
    EXPECT_EQ(a->GetData("key", "")->Value(), "a = b");
    EXPECT_EQ(a->GetData("lead", "default")->Value(), "default");
    EXPECT_EQ(Lines(*config.Groups()[2]), (std::vector<std::string>{"x = 1"}));
}

TEST(ConfigFile, DataBeforeAnyHeaderEndsReading) {
    testsupport::TempDir dir;
    dir.Write("headless.txt", "showLog = 1\n[Game]\nfullscreen = 1\n");
    testsupport::LogCapture log;
    ConfigFile config(dir.File("headless.txt"));
    EXPECT_TRUE(config.Groups().empty());
    EXPECT_TRUE(log.Contains("| Error in ConfigFile constructor\n"));
    EXPECT_FALSE(log.Contains("gruppenlose"));  // only the fixed line is written
}

TEST(ConfigData, TypedReads) {
    using common::ConfigData;
    EXPECT_TRUE(ConfigData("k", "2").GetBool());
    EXPECT_TRUE(ConfigData("k", "-1").GetBool());
    EXPECT_FALSE(ConfigData("k", "true").GetBool());
    EXPECT_FALSE(ConfigData("k", "").GetBool());
    EXPECT_EQ(ConfigData("k", "0x10").GetInt(), 16);
    EXPECT_EQ(ConfigData("k", "abc").GetInt(), 0);
    EXPECT_EQ(ConfigData("k", "8589934593").GetInt(), 1);
    EXPECT_THROW(ConfigData(std::string("k=v")), std::exception);
}

TEST(ConfigFile, SaveWritesGroupsEntriesAndABlankLineThenReadsBack) {
    testsupport::TempDir dir;
    dir.Write("in.txt", "[Game]\nshowLog = 0\n");
    ConfigFile config(dir.File("in.txt"));
    config.GetGroup("Game")->GetData("maxTextureSize", "512");
    config.GetGroup("Extra")->GetData("a", "b = c");
    config.Save(dir.File("out.txt"));
    EXPECT_EQ(dir.Read("out.txt"),
              "[Game]\r\nshowLog = 0\r\nmaxTextureSize = 512\r\n\r\n[Extra]\r\na = b = c\r\n\r\n");
    ConfigFile again(dir.File("out.txt"));
    EXPECT_EQ(Names(again), (std::vector<std::string>{"Game", "Extra"}));
    EXPECT_EQ(again.GetGroup("Extra")->GetData("a", "")->Value(), "b = c");
}
