// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "Common/Point3D.h"
#include "ZudeRezede2D/Animation/TimedAnimationList.h"
#include "ZudeRezede2D/Scene/DynamicMeshNode.h"
#include "ZudeRezede2D/Scene/Scene.h"

namespace meshdemo {

// A chest loaded from OBJ/MTL with its texture. The lid is bound to a hinge bone, the latch to
// a bone under the hinge; a timed list opens and closes the lid over and over.
class ChestDemo {
  public:
    // Adds the chest to the scene's root and starts the schedule with the scene's manager.
    ChestDemo(zr2d::Scene& scene, const std::string& objFile);
    ~ChestDemo();
    ChestDemo(const ChestDemo&) = delete;
    ChestDemo& operator=(const ChestDemo&) = delete;

    static constexpr float kOpenAngle = -75;

    const std::shared_ptr<zr2d::DynamicMeshNode>& Chest() const { return chest_; }
    const std::shared_ptr<zr2d::BoneNode>& Hinge() const { return hinge_; }

  private:
    void BuildSchedule();
    void Restart();

    std::weak_ptr<zr2d::AnimationManager> manager_;
    std::shared_ptr<zr2d::DynamicMeshNode> chest_;
    std::shared_ptr<zr2d::BoneNode> hinge_;
    std::shared_ptr<zr2d::TimedAnimationList> schedule_;
};

// A copy of the mesh whose corners in the named group are bound to the bone. Their positions
// are moved into the bone's frame (minus the bone's rest position in the mesh), as new entries
// so that positions shared with other groups stay where they are.
std::shared_ptr<zr2d::IndexedVertices> BindGroup(const zr2d::IndexedVertices& mesh,
                                                 const std::string& group, int16_t bone,
                                                 const common::Point3D& rest);

}  // namespace meshdemo
