// SPDX-License-Identifier: GPL-3.0-or-later
#include "MyLog.h"

#include <fmt/format.h>

#include <iostream>
#include <mutex>
#include <string>

namespace common {
namespace {

struct LogState {
    std::mutex mutex;
    bool showLog = false;
    std::ostream* out = nullptr;
    MyLog::Clock clock;
};

LogState& State() {
    static LogState state;
    return state;
}

std::chrono::milliseconds UtcTimeOfDay() {
    using namespace std::chrono;
    const auto now = floor<milliseconds>(system_clock::now());
    return now - floor<days>(now);
}

// The causes nested in error, outermost first. A wrapper that kept its cause's text would only
// repeat the line above, so that line is written once.
void WarnCauses(const std::exception& error) {
    try {
        std::rethrow_if_nested(error);
    } catch (const std::exception& cause) {
        if (std::string_view(cause.what()) != error.what()) MyLog::Warning(cause.what());
        WarnCauses(cause);
    } catch (...) {
        // A cause that is no std::exception has no text to write.
    }
}

}  // namespace

void MyLog::SetShowLog(bool on) {
    std::lock_guard lock(State().mutex);
    State().showLog = on;
}

bool MyLog::ShowLog() {
    std::lock_guard lock(State().mutex);
    return State().showLog;
}

void MyLog::Info(std::string_view message) {
    if (ShowLog()) Write("Info  ", "Info", message);
}

void MyLog::Warning(std::string_view message) { Write("Warn  ", "Warning", message); }

void MyLog::Warning(const std::exception& error) { Warning({}, error); }

void MyLog::Warning(std::string_view context, const std::exception& error) {
    Warning(std::string(context) + error.what());
    WarnCauses(error);
}

void MyLog::SetOutput(std::ostream* out) {
    std::lock_guard lock(State().mutex);
    State().out = out;
}

void MyLog::SetClock(Clock clock) {
    std::lock_guard lock(State().mutex);
    State().clock = std::move(clock);
}

std::string MyLog::FormatLine(std::string_view levelName, std::string_view channel,
                              std::chrono::milliseconds timeOfDay, std::string_view message) {
    using namespace std::chrono;
    const hh_mm_ss<milliseconds> t(timeOfDay % days(1));
    return fmt::format("{}{} - {}:{}:{}.{} {}| {}\n", levelName, channel, t.hours().count(),
                       t.minutes().count(), t.seconds().count(), t.subseconds().count(), channel,
                       message);
}

void MyLog::Write(std::string_view levelName, std::string_view channel, std::string_view message) {
    LogState& state = State();
    std::lock_guard lock(state.mutex);
    const auto timeOfDay = state.clock ? state.clock() : UtcTimeOfDay();
    const std::string line = FormatLine(levelName, channel, timeOfDay, message);
    std::ostream& out = state.out ? *state.out : std::cerr;
    out.write(line.data(), static_cast<std::streamsize>(line.size()));
    out.flush();
}

}  // namespace common
