// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>

#include "Node.h"
#include "ZudeRezede2D/Video/Data/IVertices.h"

namespace zr2d {

// Draws a vertex list unchanged; the list emits its own vertices.
class MeshNode : public Node {
  public:
    // A null list throws ArgumentException("vertices is null").
    MeshNode(std::string name, const common::Point3D& position,
             std::shared_ptr<IVertices> vertices);

    void DisposeNode(GameEngine& engine) override;
    void Draw(GameEngine& engine) override;
    virtual const std::shared_ptr<IVertices>& Vertices() const { return vertices_; }

  private:
    std::shared_ptr<IVertices> vertices_;
};

}  // namespace zr2d
