// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "Common/Common.h"
#include "Common/Exception.h"
#include "Common/FileSystem/File.h"
#include "Common/Helper.h"
#include "Common/RandomNumber.h"
#include "Support/LogCapture.h"
#include "Support/TempDir.h"

using common::Helper;

TEST(Helper, NumberText) {
    EXPECT_EQ(Helper::FloatToString(0.5f), "0.50000");
    EXPECT_EQ(Helper::FloatToString(-3.0f), "-3.00000");
    EXPECT_EQ(Helper::FloatToString(640.0f), "640.00000");
    EXPECT_EQ(Helper::IntToString(-42), "-42");
}

TEST(Helper, ToIntReadsTheLeadingNumberInAnyRadix) {
    EXPECT_EQ(Helper::ToInt("0"), 0);
    EXPECT_EQ(Helper::ToInt("abc"), 0);
    EXPECT_EQ(Helper::ToInt(""), 0);
    EXPECT_EQ(Helper::ToInt(" \t+12abc"), 12);
    EXPECT_EQ(Helper::ToInt("-1"), -1);
    EXPECT_EQ(Helper::ToInt("0x10"), 16);
    EXPECT_EQ(Helper::ToInt("0XfF"), 255);
    EXPECT_EQ(Helper::ToInt("0b101"), 5);
    EXPECT_EQ(Helper::ToInt("0o17"), 15);
    EXPECT_EQ(Helper::ToInt("0x"), 0);
    EXPECT_EQ(Helper::ToInt("012"), 12);  // a leading zero alone is no radix prefix
    EXPECT_EQ(Helper::ToInt("- 5"), 0);
    // Only the low 32 bits of the 64-bit value survive.
    EXPECT_EQ(Helper::ToInt("4294967297"), 1);
    EXPECT_EQ(Helper::ToInt("2147483648"), INT32_MIN);
    EXPECT_EQ(Helper::ToInt("0x1FFFFFFFF"), -1);
}

TEST(Helper, FailAndCheckNotNullLogThenThrow) {
    testsupport::LogCapture log(false);
    EXPECT_THROW(Helper::Fail("scene is broken"), common::Exception);
    EXPECT_TRUE(log.Contains("Warning| scene is broken\n"));
    try {
        Helper::CheckNotNull(static_cast<const int*>(nullptr), "scene");
        FAIL() << "no exception";
    } catch (const common::Exception& e) {
        EXPECT_STREQ(e.what(), "scene is null");
    }
    const int value = 1;
    EXPECT_NO_THROW(Helper::CheckNotNull(&value, "value"));
    EXPECT_EQ(Helper::FromStringz(nullptr), "");
    EXPECT_EQ(Helper::FromStringz("ab\0cd"), "ab");
}

TEST(RandomNumber, StaysWithinBothEndsAndHitsEach) {
    std::set<int> seen;
    for (int i = 0; i < 400; ++i) {
        const int n = common::RandomNumber::Get(0, 3);
        ASSERT_GE(n, 0);
        ASSERT_LE(n, 3);
        seen.insert(n);
        ASSERT_EQ(common::RandomNumber::Get(1, 1), 1);
    }
    EXPECT_EQ(seen.size(), 4u);
    EXPECT_THROW(common::RandomNumber::Get(2, 1), common::ArgumentException);
    common::RandomNumber::Seed(7);
    const int a = common::RandomNumber::Get(0, 1000000);
    common::RandomNumber::Seed(7);
    EXPECT_EQ(common::RandomNumber::Get(0, 1000000), a);
}

TEST(MyArrayIterator, WalksTheCallersArrayAndStopsOnRequest) {
    std::vector<std::string> empty;
    common::MyArrayIterator<std::string> none(empty);
    EXPECT_FALSE(none.More());
    EXPECT_THROW(none.Get(), common::NoSuchElementException);

    std::vector<std::string> words{"eins", "zwei", "drei"};
    common::MyArrayIterator<std::string> it(words);
    EXPECT_EQ(it.Remaining(), 3);
    it.Get() = "EINS";  // a reference into the caller's array
    EXPECT_EQ(words[0], "EINS");
    std::vector<std::string> visited;
    const int stop = it.ForEach([&](std::string& w) {
        visited.push_back(w);
        return w == "zwei" ? 9 : 0;
    });
    EXPECT_EQ(stop, 9);
    EXPECT_EQ(visited, (std::vector<std::string>{"zwei"}));
    EXPECT_EQ(it.ForEach([](std::string&) { return 0; }), 0);
    EXPECT_FALSE(it.More());
}

TEST(File, ReadsLfAndCrLfLinesAndWritesCrLf) {
    testsupport::TempDir dir;
    dir.Write("crlf.txt", "[Game]\r\n\r\nshowLog = 1\r\n");
    const auto lines = common::File::ReadLines(dir.File("crlf.txt"));
    EXPECT_EQ(lines, (std::vector<std::string>{"[Game]", "", "showLog = 1"}));
    common::File::WriteLines(lines, dir.File("copy.txt"));
    EXPECT_EQ(dir.Read("copy.txt"), dir.Read("crlf.txt"));

    dir.Write("lf.txt", "a\nb");
    EXPECT_EQ(common::File::ReadLines(dir.File("lf.txt")), (std::vector<std::string>{"a", "b"}));
    dir.Write("empty.txt", "");
    EXPECT_TRUE(common::File::ReadLines(dir.File("empty.txt")).empty());
    common::File::WriteLines({}, dir.File("empty-out.txt"));
    EXPECT_EQ(dir.Read("empty-out.txt"), "");
}

TEST(File, MissingFileFailsWithItsNameAndLogsReading) {
    testsupport::TempDir dir;
    testsupport::LogCapture log;
    const std::string name = dir.File("fehlt.txt");
    try {
        common::File::ReadLines(name);
        FAIL() << "no exception";
    } catch (const common::Exception& e) {
        EXPECT_EQ(std::string(e.what()), "Datei " + name + " ist nicht vorhanden");
    }
    dir.Write("da.txt", "x\n");
    common::File::ReadLines(dir.File("da.txt"));
    EXPECT_TRUE(log.Contains("| Reading File " + dir.File("da.txt") + "\n"));
    EXPECT_TRUE(log.Contains("| Reading File success: " + dir.File("da.txt") + " Lines: 1\n"));
}
