// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>

#include "Control.h"
#include "ZudeRezede2D/Scene/TextNode.h"

namespace zr2d {

// A text that takes no input; the control is as large as the rendered text.
class Label : public Control {
  public:
    // The text also names the text node, so two labels with one text have equally named nodes.
    Label(zr2d::Frame& frame, const std::string& text, const common::Point3D& position,
          const std::string& id);

    virtual const std::shared_ptr<zr2d::TextNode>& TextNode() const { return textNode_; }

  private:
    Label(zr2d::Frame& frame, std::shared_ptr<zr2d::TextNode> textNode,
          const common::Point3D& position, const std::string& id);

    std::shared_ptr<zr2d::TextNode> textNode_;
};

}  // namespace zr2d
