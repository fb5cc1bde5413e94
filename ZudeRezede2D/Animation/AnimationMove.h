// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include "Animation.h"
#include "Common/Point3D.h"
#include "ZudeRezede2D/Scene/Node.h"

namespace zr2d {

// Moves a node with a constant velocity in units per second (runs in delta mode, so frame
// times add up exactly).
class AnimationMove : public Animation {
  public:
    AnimationMove(std::shared_ptr<zr2d::Node> node, const common::Point3D& velocity)
        : Animation(true), node_(std::move(node)), velocity_(velocity) {}

    void OnStart() override {}
    void Animate(uint32_t time) override {
        node_->SetPosition(node_->Position().Add(velocity_.Scale(static_cast<float>(time) / 1000)));
    }
    void OnStop() override {}
    virtual const std::shared_ptr<zr2d::Node>& Node() const { return node_; }
    virtual void SetNode(std::shared_ptr<zr2d::Node> node) { node_ = std::move(node); }
    virtual const common::Point3D& Velocity() const { return velocity_; }
    virtual void SetVelocity(const common::Point3D& velocity) { velocity_ = velocity; }

  private:
    std::shared_ptr<zr2d::Node> node_;
    common::Point3D velocity_;
};

}  // namespace zr2d
