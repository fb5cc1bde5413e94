// SPDX-License-Identifier: GPL-3.0-or-later
#include "PictureNode.h"

#include "Common/Exception.h"
#include "ZudeRezede2D/GameEngine.h"

namespace zr2d {
namespace {

// Checked before the node's own log line is written.
std::shared_ptr<Texture> Required(std::shared_ptr<Texture> texture) {
    if (!texture) throw common::Exception("texture is null");
    return texture;
}

common::Point3D SizeOf(const Texture& texture) { return common::Point3D(texture.Size()); }

}  // namespace

PictureNode::PictureNode(std::string name, std::shared_ptr<zr2d::Texture> texture,
                         const common::Point3D& position)
    : Node(std::move(name), position, SizeOf(*Required(texture))), texture_(std::move(texture)) {}

void PictureNode::DisposeNode(GameEngine& engine) {
    engine.VideoEngine().Factory().FreeTexture(*texture_);
}

void PictureNode::Draw(GameEngine& engine) {
    std::optional<common::Point2D> size;
    if (useSize_) {
        const common::Point3D s = Size();
        size = common::Point2D(s.X(), s.Y());
    }
    engine.VideoEngine().DrawTexture(*texture_, tint_, size);
}

common::Point3D PictureNode::Size() const {
    if (useSize_) return Node::Size();
    const common::Point3D size = SizeOf(*texture_);
    return Scale() ? size.Multiply(*Scale()) : size;
}

void PictureNode::SetTexture(std::shared_ptr<zr2d::Texture> texture) {
    texture_ = Required(std::move(texture));
}

}  // namespace zr2d
