// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ZudeRezede2D/Scene/EmptyNode.h"

namespace zr2d {

// A frame for information texts that draws and holds nothing of its own; its children do.
class InfoFrame : public EmptyNode {
  public:
    using EmptyNode::EmptyNode;
};

}  // namespace zr2d
