// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Common/Color.h"
#include "Vertex.h"

namespace zr2d {

// A point with its own colour, for gradients.
class ColoredVertex : public Vertex {
  public:
    ColoredVertex(const common::Point3D& position, const common::Color& color)
        : Vertex(position), color_(color) {}

    void Draw(Engine& engine) const override;
    virtual common::Color Color() const { return color_; }
    virtual void SetColor(const common::Color& color) { color_ = color; }

  private:
    common::Color color_;
};

}  // namespace zr2d
