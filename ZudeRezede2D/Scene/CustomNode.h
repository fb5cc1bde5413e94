// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "EmptyNode.h"

namespace zr2d {

// The base for application nodes: draws and holds nothing until a subclass overrides Draw and
// DisposeNode.
class CustomNode : public EmptyNode {
  public:
    using EmptyNode::EmptyNode;
};

}  // namespace zr2d
