// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include "Common/Event.h"
#include "ZudeRezede2D/Animation/ValueManipulator.h"
#include "ZudeRezede2D/Scene/Node.h"
#include "ZudeRezede2D/Scene/Scene.h"

namespace zr2d {

// Fades a node's transparency towards a target with the manipulator's stepping and raises
// Finished with the node whenever the fade stops. Runs on its scene's animation manager.
class NodeFadeTransparent : public ValueManipulator {
  public:
    // Not started: use Create, or SetTargetValue later.
    NodeFadeTransparent(Scene& scene, std::shared_ptr<zr2d::Node> node, int32_t target,
                        float acceleration, float maxSpeed);
    // Animations can only be started once they are held by a std::shared_ptr.
    static std::shared_ptr<NodeFadeTransparent> Create(Scene& scene,
                                                       std::shared_ptr<zr2d::Node> node,
                                                       int32_t target, float acceleration,
                                                       float maxSpeed, bool start);

    virtual int32_t TargetValue() const { return targetValue_; }
    // New target with the speed reset; starts the fade when it is not running.
    virtual void SetTargetValue(int32_t target);
    virtual common::EventAddHandler<std::shared_ptr<zr2d::Node>>& Finished() {
        return finished_.AddHandler();
    }
    virtual const std::shared_ptr<zr2d::Node>& Node() const { return node_; }
    // The fade's own value is kept, not re-read from the new node.
    virtual void SetNode(std::shared_ptr<zr2d::Node> node) { node_ = std::move(node); }

  private:
    void StartOnScene();
    void Write(float value);
    void RaiseFinished() { finished_.Raise(node_); }

    std::shared_ptr<zr2d::Node> node_;
    float value_;
    int32_t targetValue_;
    common::Event<std::shared_ptr<zr2d::Node>> finished_;
    std::weak_ptr<Scene> scene_;
};

}  // namespace zr2d
