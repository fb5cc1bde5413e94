// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>

#include "EmptyNode.h"
#include "ZudeRezede2D/Animation/CustomAnimation.h"

namespace zr2d {

class Scene;

// A node that gets a per-frame call (AnimateNode with the milliseconds since its first draw)
// from its scene's animation manager, starting with the first frame in which it is drawn.
class CustomAnimationNode : public EmptyNode {
  public:
    CustomAnimationNode(std::string name, const common::Point3D& position,
                        const common::Point3D& size, Scene& scene);

    // Starts the per-frame call on the first draw; draws nothing itself.
    void Draw(GameEngine& engine) override;
    // Stops the per-frame call.
    void DisposeNode(GameEngine& engine) override;
    virtual void AnimateNode(uint32_t time) = 0;
    virtual void Step(uint32_t time) { AnimateNode(time); }

  private:
    std::shared_ptr<CustomAnimation> animation_;
    std::weak_ptr<Scene> scene_;
};

}  // namespace zr2d
