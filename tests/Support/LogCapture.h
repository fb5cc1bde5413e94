// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sstream>
#include <string>

#include "Common/MyLog.h"

namespace testsupport {

// Collects log lines for the lifetime of the object, with information lines switched on.
class LogCapture {
public:
    explicit LogCapture(bool showLog = true) : previousShowLog_(common::MyLog::ShowLog()) {
        common::MyLog::SetOutput(&stream_);
        common::MyLog::SetShowLog(showLog);
    }
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;
    ~LogCapture() {
        common::MyLog::SetOutput(nullptr);
        common::MyLog::SetShowLog(previousShowLog_);
    }

    std::string Text() const { return stream_.str(); }
    bool Contains(const std::string& part) const { return Text().find(part) != std::string::npos; }

private:
    std::ostringstream stream_;
    bool previousShowLog_;
};

}  // namespace testsupport
