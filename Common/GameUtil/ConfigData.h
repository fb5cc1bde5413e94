// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

namespace common {

// One "key = value" entry; the value stays text and is converted on every typed read.
class ConfigData {
  public:
    ConfigData(std::string key, std::string value);
    // Splits at the first " = "; neither side is trimmed. No separator throws.
    explicit ConfigData(const std::string& line);

    const std::string& Key() const { return key_; }
    const std::string& Value() const { return value_; }
    std::string ToLine() const { return key_ + " = " + value_; }
    // Non-zero is true: "1", "2" and "-1" are true; "0", "true" and "" are false.
    bool GetBool() const;
    int32_t GetInt() const;

  private:
    std::string key_;
    std::string value_;
};

}  // namespace common
