// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <exception>
#include <functional>
#include <iosfwd>
#include <string_view>

namespace common {

// The one log of the process: information lines (only while showLog is on) and warnings
// (always), each one line on standard error.
class MyLog {
  public:
    // Time since midnight UTC; replaceable so that tests can fix the clock.
    using Clock = std::function<std::chrono::milliseconds()>;

    static void SetShowLog(bool on);
    static bool ShowLog();

    static void Info(std::string_view message);
    static void Warning(std::string_view message);
    // The error's text, then the text of each cause nested in it (std::throw_with_nested).
    static void Warning(const std::exception& error);
    // As above, the error's own line led by context: where a program gives up, it says so.
    static void Warning(std::string_view context, const std::exception& error);

    // Test hooks: nullptr / an empty clock restore standard error and the system clock.
    static void SetOutput(std::ostream* out);
    static void SetClock(Clock clock);

    // One whole line as written, line break included.
    static std::string FormatLine(std::string_view levelName, std::string_view channel,
                                  std::chrono::milliseconds timeOfDay, std::string_view message);

  private:
    static void Write(std::string_view levelName, std::string_view channel,
                      std::string_view message);
};

}  // namespace common
