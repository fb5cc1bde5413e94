// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ConfigGroup.h"

namespace common {

// The settings file: "[Group]" headers followed by "key = value" lines. Reading never throws;
// it stops at the first bad line and keeps what came before, so callers fall back to their
// defaults.
class ConfigFile {
  public:
    explicit ConfigFile(const std::string& fileName);

    // The first group of that name; a missing one is created and kept.
    std::shared_ptr<ConfigGroup> GetGroup(const std::string& name);
    void Save(const std::string& fileName) const;
    const std::vector<std::shared_ptr<ConfigGroup>>& Groups() const { return groups_; }

  private:
    void Read(const std::string& fileName);

    std::vector<std::shared_ptr<ConfigGroup>> groups_;
};

}  // namespace common
