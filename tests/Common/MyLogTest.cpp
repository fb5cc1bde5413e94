// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <chrono>
#include <exception>
#include <stdexcept>

#include "Common/MyLog.h"
#include "Support/LogCapture.h"

using common::MyLog;
using namespace std::chrono;

namespace {

class MyLogTest : public ::testing::Test {
protected:
    void FixClock(milliseconds timeOfDay) {
        MyLog::SetClock([timeOfDay] { return timeOfDay; });
    }
    void TearDown() override { MyLog::SetClock({}); }
};

}  // namespace

TEST_F(MyLogTest, LinesHaveTheFixedLayoutWithUnpaddedTimes) {
    testsupport::LogCapture log;
    FixClock(hours(9) + minutes(5) + seconds(3) + milliseconds(70));
    MyLog::Info("Hallo Welt");
    MyLog::Warning("Achtung");
    MyLog::Warning(std::runtime_error("kaputt"));
    FixClock(milliseconds(5));
    MyLog::Info("");
    FixClock(hours(23) + minutes(59) + seconds(59) + milliseconds(999));
    MyLog::Info("zwei\nZeilen");
    EXPECT_EQ(log.Text(),
              "Info  Info - 9:5:3.70 Info| Hallo Welt\n"
              "Warn  Warning - 9:5:3.70 Warning| Achtung\n"
              "Warn  Warning - 9:5:3.70 Warning| kaputt\n"
              "Info  Info - 0:0:0.5 Info| \n"
              "Info  Info - 23:59:59.999 Info| zwei\nZeilen\n");
}

TEST_F(MyLogTest, AWarnedErrorWritesEachNestedCauseOnce) {
    testsupport::LogCapture log;
    FixClock(hours(1));
    try {
        try {
            try {
                throw std::runtime_error("Datei fehlt");
            } catch (const std::exception& cause) {
                // A wrapper that keeps its cause's text adds no line of its own.
                std::throw_with_nested(std::runtime_error(cause.what()));
            }
        } catch (const std::exception&) {
            std::throw_with_nested(std::runtime_error("Laden abgebrochen"));
        }
    } catch (const std::exception& error) {
        MyLog::Warning(error);
        MyLog::Warning("Aufgegeben: ", error);
    }
    EXPECT_EQ(log.Text(),
              "Warn  Warning - 1:0:0.0 Warning| Laden abgebrochen\n"
              "Warn  Warning - 1:0:0.0 Warning| Datei fehlt\n"
              "Warn  Warning - 1:0:0.0 Warning| Aufgegeben: Laden abgebrochen\n"
              "Warn  Warning - 1:0:0.0 Warning| Datei fehlt\n");
}

TEST_F(MyLogTest, ShowLogGatesOnlyInformationLines) {
    testsupport::LogCapture log(false);
    FixClock(hours(12));
    MyLog::Info("unsichtbar");
    MyLog::Warning("sichtbar");
    EXPECT_EQ(log.Text(), "Warn  Warning - 12:0:0.0 Warning| sichtbar\n");
    MyLog::SetShowLog(true);
    MyLog::Info("jetzt");
    EXPECT_TRUE(log.Contains("Info  Info - 12:0:0.0 Info| jetzt\n"));
}

TEST_F(MyLogTest, TheSystemClockIsUtcTimeOfDay) {
    testsupport::LogCapture log;
    const auto before = system_clock::now();
    MyLog::Info("x");
    const hh_mm_ss<seconds> utc(floor<seconds>(before) - floor<days>(before));
    // The hour field is the UTC hour (allowing for the hour turning over between reads).
    const std::string text = log.Text();
    const std::string hour = text.substr(std::string("Info  Info - ").size(),
                                         text.find(':') - std::string("Info  Info - ").size());
    const long h = std::stol(hour);
    EXPECT_TRUE(h == utc.hours().count() || h == (utc.hours().count() + 1) % 24) << text;
}
