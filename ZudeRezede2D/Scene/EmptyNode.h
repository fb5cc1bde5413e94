// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Node.h"

namespace zr2d {

// Draws nothing: groups and places its children (every scene's root is one).
class EmptyNode : public Node {
  public:
    using Node::Node;

    void DisposeNode(GameEngine&) override {}
    void Draw(GameEngine&) override {}
};

}  // namespace zr2d
