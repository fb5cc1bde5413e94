// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <exception>
#include <string>
#include <string_view>

namespace common {

// Conversions and shortcuts shared by every layer.
class Helper {
  public:
    Helper() = delete;

    // Logs the text, then hands it out for a C interface (c_str() is zero-terminated).
    static std::string ToStringz(const std::string& s);
    static std::string FromStringz(const char* p);

    static std::string FloatToString(float f);
    static std::string IntToString(int32_t i);

    // The integer at the start of s: blanks and tabs skipped, optional sign, optional radix
    // prefix 0x / 0b / 0o, digits up to the first non-digit, truncated to 32 bits. Anything
    // else reads as 0; this never fails, so stored files with garbage degrade to 0.
    static int32_t ToInt(std::string_view s);

    [[noreturn]] static void CheckNotNull(const std::string& name);
    template <typename Pointer>
    static void CheckNotNull(const Pointer& value, const std::string& name) {
        if (!value) CheckNotNull(name);
    }

    // Logs the message as a warning, then throws it as a common::Exception.
    [[noreturn]] static void Fail(const std::string& message);

    static void Info(std::string_view message);
    static void Warning(std::string_view message);
    static void Warning(const std::exception& error);
};

}  // namespace common
