// SPDX-License-Identifier: GPL-3.0-or-later
#include "Materials.h"

#include "Common/Exception.h"

namespace zr2d {

Materials::Materials(Engine* engine) {
    if (!engine) throw common::ArgumentException("engine is null");
}

std::shared_ptr<Material> Materials::Create(const std::string& name) {
    auto material = std::make_shared<Material>(name);
    materials_.insert_or_assign(name, material);
    return material;
}

std::shared_ptr<Material> Materials::Get(const std::string& name) const {
    const auto entry = materials_.find(name);
    return entry == materials_.end() ? nullptr : entry->second;
}

}  // namespace zr2d
