// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>
#include <memory>
#include <string>

#include "Material.h"

namespace zr2d {

class Engine;

// The engine's materials by name; a later material of the same name replaces the earlier.
class Materials {
  public:
    // The engine is only checked: materials need nothing from it yet.
    explicit Materials(Engine* engine);
    virtual ~Materials() = default;

    virtual std::shared_ptr<Material> Create(const std::string& name);
    // Null for an unknown name.
    virtual std::shared_ptr<Material> Get(const std::string& name) const;

  private:
    std::map<std::string, std::shared_ptr<Material>> materials_;
};

}  // namespace zr2d
