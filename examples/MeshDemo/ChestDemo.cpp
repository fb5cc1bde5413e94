// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChestDemo.h"

#include <algorithm>

#include "ZudeRezede2D/Animation/AnimationTimer.h"
#include "ZudeRezede2D/Animation/CustomAnimation.h"
#include "ZudeRezede2D/GameEngine.h"

using common::Point3D;
using namespace zr2d;

namespace meshdemo {
namespace {

// Rest positions in the model's units: the hinge sits on the lid's back edge, the latch bone
// on its front edge.
const Point3D kHingeRest(0, 0.5f, -0.6f);
const Point3D kLatchOffset(0, 0.15f, 1.2f);
constexpr uint32_t kSwingTime = 700;

std::shared_ptr<CustomAnimation> Swing(const std::shared_ptr<BoneNode>& hinge, bool opening) {
    return std::make_shared<CustomAnimation>(
        [hinge, opening](uint32_t time) {
            const float progress = std::min(1.0f, static_cast<float>(time) / kSwingTime);
            const float angle = ChestDemo::kOpenAngle * (opening ? progress : 1 - progress);
            hinge->SetRotation(Point3D(angle, 0, 0));
        },
        std::nullopt);
}

}  // namespace

std::shared_ptr<IndexedVertices> BindGroup(const IndexedVertices& mesh, const std::string& group,
                                           int16_t bone, const Point3D& rest) {
    std::vector<data::Vertex> positions = mesh.Positions();
    std::vector<data::FaceGroup> groups = mesh.Groups();
    for (data::FaceGroup& faceGroup : groups) {
        if (faceGroup.name != group) continue;
        for (data::Face& face : faceGroup.faces) {
            for (data::Index& corner : face.indices) {
                const data::Vertex& p = positions.at(static_cast<size_t>(corner.vertex));
                positions.push_back({p.x - rest.X(), p.y - rest.Y(), p.z - rest.Z()});
                corner.vertex = static_cast<int32_t>(positions.size() - 1);
                corner.bone = bone;
            }
        }
    }
    return std::make_shared<IndexedVertices>(std::move(positions), mesh.TexCoords(), mesh.Normals(),
                                             std::move(groups));
}

ChestDemo::ChestDemo(Scene& scene, const std::string& objFile)
    : manager_(scene.AnimationManager()) {
    auto loaded = scene.GameEngine().VideoEngine().Factory().LoadMesh(objFile);
    // Bone numbers follow creation order: the hinge is 0, the latch 1.
    auto bound = BindGroup(*loaded, "lid", 0, kHingeRest);
    bound = BindGroup(*bound, "latch", 1, kHingeRest.Add(kLatchOffset));
    // The model is y-up and centred; the pixel view is y-down, so y is mirrored.
    chest_ = std::make_shared<DynamicMeshNode>("chest", Point3D(320, 280, 10), bound);
    chest_->SetScale(Point3D(70, -70, 70));
    chest_->SetRotation(Point3D(-20, 35, 0));
    hinge_ = chest_->AddBone("hinge", kHingeRest);
    hinge_->AddBone("latch", kLatchOffset);
    scene.Root()->AddChild(chest_);
    BuildSchedule();
}

ChestDemo::~ChestDemo() { schedule_->Stop(); }

void ChestDemo::BuildSchedule() {
    schedule_ = std::make_shared<TimedAnimationList>();
    // Each swing stops after its duration; the pause entry keeps the list until the loop ends.
    schedule_->AddAnimation(Swing(hinge_, true), 0, kSwingTime + 100)
        .AddAnimation(Swing(hinge_, false), 2000, kSwingTime + 100)
        .AddAnimation(std::make_shared<AnimationTimer>(0), 3200, 0);
    schedule_->Finished().Add(common::Bind<>(this, &ChestDemo::Restart));
    Restart();
}

void ChestDemo::Restart() {
    if (const auto manager = manager_.lock()) schedule_->Start(manager);
}

}  // namespace meshdemo
