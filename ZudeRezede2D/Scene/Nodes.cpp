// SPDX-License-Identifier: GPL-3.0-or-later
#include "Nodes.h"

#include "Node.h"

namespace zr2d {

std::shared_ptr<Node> Nodes::Find(const std::string& name) const {
    for (const auto& node : list_) {
        if (node->Name() == name) return node;
    }
    return nullptr;
}

}  // namespace zr2d
