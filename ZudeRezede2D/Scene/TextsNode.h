// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "Common/Color.h"
#include "EmptyNode.h"
#include "TextNode.h"

namespace zr2d {

class NodeFactory;

// Several lines of text as a column of TextNode children named <name>_0, <name>_1, ...
class TextsNode : public EmptyNode {
  public:
    TextsNode(std::string name, const common::Point3D& position, std::shared_ptr<Font> font,
              const std::string& text, NodeFactory& factory);

    // Splits at line feeds (a carriage return before one is dropped) and rebuilds every line
    // node; an unchanged text only logs.
    virtual void ChangeText(const std::string& text);
    // Applied to every line node; absent leaves them at their default white.
    virtual void SetColor(const std::optional<common::Color>& color);

    const std::vector<std::shared_ptr<TextNode>>& Lines() const { return lines_; }

  private:
    std::string text_;
    std::shared_ptr<Font> font_;
    std::vector<std::shared_ptr<TextNode>> lines_;
    NodeFactory& factory_;
    std::optional<common::Color> color_;
};

}  // namespace zr2d
