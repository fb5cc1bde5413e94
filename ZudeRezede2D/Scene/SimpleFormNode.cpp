// SPDX-License-Identifier: GPL-3.0-or-later
#include "SimpleFormNode.h"

#include "Common/Helper.h"
#include "ZudeRezede2D/GameEngine.h"

namespace zr2d {
namespace {

const IVertices& Required(const std::shared_ptr<IVertices>& vertices) {
    common::Helper::CheckNotNull(vertices, "vertices");
    return *vertices;
}

}  // namespace

SimpleFormNode::SimpleFormNode(std::string name, const common::Point3D& position,
                               BasicShapeType shape, std::shared_ptr<IVertices> vertices)
    : Node(std::move(name), position, Required(vertices).Size()),
      vertices_(std::move(vertices)),
      shape_(shape) {}

void SimpleFormNode::DisposeNode(GameEngine& engine) { vertices_->Dispose(engine.VideoEngine()); }

void SimpleFormNode::Draw(GameEngine& engine) {
    Engine& video = engine.VideoEngine();
    video.BeginShape(shape_);
    vertices_->Draw(video);
    video.EndShape();
}

}  // namespace zr2d
