// SPDX-License-Identifier: GPL-3.0-or-later
#include "BoneNode.h"

#include "Common/Exception.h"
#include "DynamicMeshNode.h"
#include "ZudeRezede2D/GameEngine.h"

namespace zr2d {

BoneNode::BoneNode(std::string name, const common::Point3D& position, DynamicMeshNode* owner)
    : Node(std::move(name), position, std::nullopt), owner_(owner) {}

void BoneNode::DisposeNode(GameEngine&) { childBones_.clear(); }

void BoneNode::Draw(GameEngine&) {}

std::shared_ptr<BoneNode> BoneNode::AddBone(const std::string& name,
                                            const common::Point3D& position) {
    if (!owner_) throw common::Exception("Knochen " + Name() + " gehört zu keinem Netz mehr");
    auto bone = std::make_shared<BoneNode>(name, position, owner_);
    childBones_.push_back(bone);
    AddChild(bone);
    owner_->bones_.push_back(bone);
    return bone;
}

void BoneNode::UpdateBoneMatrices(GameEngine& engine) {
    Engine& video = engine.VideoEngine();
    for (const auto& bone : childBones_) {
        video.PushTransform(bone->Position(), bone->Rotation(), bone->Scale());
        bone->matrix_ = video.GetModelViewMatrix();
        bone->UpdateBoneMatrices(engine);
        video.PopTransform();
    }
}

}  // namespace zr2d
