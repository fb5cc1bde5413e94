// SPDX-License-Identifier: GPL-3.0-or-later
#include "ConfigGroup.h"

namespace common {

std::shared_ptr<ConfigData> ConfigGroup::GetData(const std::string& key,
                                                 const std::string& defaultValue) {
    for (const auto& data : dataList_) {
        if (data->Key() == key) return data;
    }
    auto data = std::make_shared<ConfigData>(key, defaultValue);
    AddData(data);
    return data;
}

}  // namespace common
