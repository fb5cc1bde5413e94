// SPDX-License-Identifier: GPL-3.0-or-later
#include "ConfigData.h"

#include "../Exception.h"
#include "../Helper.h"
#include "../MyLog.h"

namespace common {
namespace {

constexpr std::string_view kSeparator = " = ";

size_t SeparatorPosition(const std::string& line) {
    const size_t position = line.find(kSeparator);
    if (position == std::string::npos) {
        throw Exception("Konfigurationszeile ohne \" = \": " + line);
    }
    return position;
}

}  // namespace

ConfigData::ConfigData(std::string key, std::string value)
    : key_(std::move(key)), value_(std::move(value)) {}

ConfigData::ConfigData(const std::string& line)
    : ConfigData(line.substr(0, SeparatorPosition(line)),
                 line.substr(SeparatorPosition(line) + kSeparator.size())) {}

bool ConfigData::GetBool() const { return GetInt() != 0; }

int32_t ConfigData::GetInt() const {
    MyLog::Info("char[]-value: " + value_);
    return Helper::ToInt(value_);
}

}  // namespace common
