// SPDX-License-Identifier: GPL-3.0-or-later
#include "CustomAnimationNode.h"

#include "Scene.h"

namespace zr2d {

CustomAnimationNode::CustomAnimationNode(std::string name, const common::Point3D& position,
                                         const common::Point3D& size, Scene& scene)
    : EmptyNode(std::move(name), position, size), scene_(scene.weak_from_this()) {}

void CustomAnimationNode::Draw(GameEngine&) {
    if (animation_) return;
    const auto scene = scene_.lock();
    if (!scene) return;
    // Weak: the running animation is held by the scene, and must not keep this node alive.
    std::weak_ptr<CustomAnimationNode> self =
        std::static_pointer_cast<CustomAnimationNode>(shared_from_this());
    animation_ = std::make_shared<CustomAnimation>(
        [self](uint32_t time) {
            if (const auto node = self.lock()) node->Step(time);
        },
        std::nullopt);
    animation_->Start(scene->AnimationManager());
}

void CustomAnimationNode::DisposeNode(GameEngine&) {
    if (animation_) animation_->Stop();
    scene_.reset();
}

}  // namespace zr2d
