// SPDX-License-Identifier: GPL-3.0-or-later
#include "MeshNode.h"

#include "Common/Exception.h"
#include "ZudeRezede2D/GameEngine.h"

namespace zr2d {

MeshNode::MeshNode(std::string name, const common::Point3D& position,
                   std::shared_ptr<IVertices> vertices)
    : Node(std::move(name), position, std::nullopt), vertices_(std::move(vertices)) {
    if (!vertices_) throw common::ArgumentException("vertices is null");
}

void MeshNode::DisposeNode(GameEngine& engine) { vertices_->Dispose(engine.VideoEngine()); }

void MeshNode::Draw(GameEngine& engine) { vertices_->Draw(engine.VideoEngine()); }

}  // namespace zr2d
