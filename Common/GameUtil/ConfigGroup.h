// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ConfigData.h"

namespace common {

// A named "[Name]" section: its entries in file order, duplicates kept.
class ConfigGroup {
  public:
    explicit ConfigGroup(std::string name) : name_(std::move(name)) {}

    const std::vector<std::shared_ptr<ConfigData>>& DataList() const { return dataList_; }
    const std::string& Name() const { return name_; }
    // The first entry with this key; a missing one is created with the default and kept, so
    // a later Save writes it.
    std::shared_ptr<ConfigData> GetData(const std::string& key, const std::string& defaultValue);
    void AddData(std::shared_ptr<ConfigData> data) { dataList_.push_back(std::move(data)); }

  private:
    std::vector<std::shared_ptr<ConfigData>> dataList_;
    std::string name_;
};

}  // namespace common
