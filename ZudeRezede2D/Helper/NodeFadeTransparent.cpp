// SPDX-License-Identifier: GPL-3.0-or-later
#include "NodeFadeTransparent.h"

namespace zr2d {

NodeFadeTransparent::NodeFadeTransparent(Scene& scene, std::shared_ptr<zr2d::Node> node,
                                         int32_t target, float acceleration, float maxSpeed)
    : ValueManipulator([this] { return value_; }, [this](float v) { Write(v); }, acceleration,
                       maxSpeed, static_cast<float>(target)),
      node_(std::move(node)),
      value_(static_cast<float>(node_->Transparency())),
      targetValue_(target),
      scene_(scene.weak_from_this()) {
    Stopped().Add(common::Bind<>(this, &NodeFadeTransparent::RaiseFinished));
}

std::shared_ptr<NodeFadeTransparent> NodeFadeTransparent::Create(Scene& scene,
                                                                 std::shared_ptr<zr2d::Node> node,
                                                                 int32_t target, float acceleration,
                                                                 float maxSpeed, bool start) {
    auto fade = std::make_shared<NodeFadeTransparent>(scene, std::move(node), target, acceleration,
                                                      maxSpeed);
    if (start) fade->StartOnScene();
    return fade;
}

void NodeFadeTransparent::SetTargetValue(int32_t target) {
    targetValue_ = target;
    SetTarget(static_cast<float>(target));
    ResetSpeed();
    StartOnScene();
}

void NodeFadeTransparent::StartOnScene() {
    if (const auto scene = scene_.lock()) Start(scene->AnimationManager());
}

void NodeFadeTransparent::Write(float value) {
    value_ = value;
    node_->SetTransparency(static_cast<int32_t>(value));
}

}  // namespace zr2d
