// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Common/Color.h"
#include "Common/Rect.h"
#include "Node.h"

namespace zr2d {

// A filled, always opaque rectangle from the node origin to its size.
class ColorNode : public Node {
  public:
    ColorNode(std::string name, const common::Rect& area, const common::Color& color)
        : Node(std::move(name), area.Position(), area.Size()), color_(color) {}

    void DisposeNode(GameEngine&) override {}
    // Size already includes the scale, and the transform scales again: scale s draws s² times.
    void Draw(GameEngine& engine) override;
    virtual const common::Color& Color() const { return color_; }
    virtual void SetColor(const common::Color& color) { color_ = color; }

  private:
    common::Color color_;
};

}  // namespace zr2d
