// SPDX-License-Identifier: GPL-3.0-or-later
#include "Helper.h"

#include <fmt/format.h>

#include "Exception.h"
#include "MyLog.h"

namespace common {
namespace {

int DigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'z') return c - 'a' + 10;
    if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
    return 99;
}

}  // namespace

std::string Helper::ToStringz(const std::string& s) {
    MyLog::Info("toStringz: " + s);
    return s;
}

std::string Helper::FromStringz(const char* p) { return p ? std::string(p) : std::string(); }

std::string Helper::FloatToString(float f) { return fmt::format("{:.5f}", f); }

std::string Helper::IntToString(int32_t i) { return std::to_string(i); }

int32_t Helper::ToInt(std::string_view s) {
    size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) negative = s[i++] == '-';
    int radix = 10;
    if (i + 1 < s.size() && s[i] == '0') {
        switch (s[i + 1]) {
            case 'x':
            case 'X':
                radix = 16;
                break;
            case 'b':
            case 'B':
                radix = 2;
                break;
            case 'o':
            case 'O':
                radix = 8;
                break;
            default:
                break;
        }
        if (radix != 10) i += 2;
    }
    // Unsigned arithmetic wraps instead of overflowing; only the low 32 bits are kept.
    uint64_t value = 0;
    for (; i < s.size() && DigitValue(s[i]) < radix; ++i) {
        value = value * static_cast<uint64_t>(radix) + static_cast<uint64_t>(DigitValue(s[i]));
    }
    if (negative) value = 0 - value;
    return static_cast<int32_t>(static_cast<uint32_t>(value));
}

void Helper::CheckNotNull(const std::string& name) { Fail(name + " is null"); }

void Helper::Fail(const std::string& message) {
    Exception error(message);
    MyLog::Warning(error);
    throw error;
}

void Helper::Info(std::string_view message) { MyLog::Info(message); }

void Helper::Warning(std::string_view message) { MyLog::Warning(message); }

void Helper::Warning(const std::exception& error) { MyLog::Warning(error); }

}  // namespace common
