// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include "Node.h"
#include "ZudeRezede2D/Video/BasicShapeType.h"
#include "ZudeRezede2D/Video/Data/IVertices.h"

namespace zr2d {

// One OpenGL primitive made of a vertex list; its size is the list's extent.
class SimpleFormNode : public Node {
  public:
    SimpleFormNode(std::string name, const common::Point3D& position, BasicShapeType shape,
                   std::shared_ptr<IVertices> vertices);

    void DisposeNode(GameEngine& engine) override;
    void Draw(GameEngine& engine) override;
    virtual const std::shared_ptr<IVertices>& Vertices() const { return vertices_; }

  private:
    std::shared_ptr<IVertices> vertices_;
    BasicShapeType shape_;
};

}  // namespace zr2d
