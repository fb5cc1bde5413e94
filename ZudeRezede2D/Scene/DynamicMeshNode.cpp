// SPDX-License-Identifier: GPL-3.0-or-later
#include "DynamicMeshNode.h"

#include <fmt/format.h>

#include "Common/Exception.h"
#include "ZudeRezede2D/GameEngine.h"
#include "ZudeRezede2D/Video/Data/MathW.h"
#include "ZudeRezede2D/Video/Data/MeshIndexCheck.h"

namespace zr2d {
namespace {

const std::shared_ptr<IndexedVertices>& Checked(const std::shared_ptr<IndexedVertices>& mesh) {
    if (!mesh) throw common::ArgumentException("mesh is null");
    CheckMeshIndexes(*mesh);
    return mesh;
}

}  // namespace

DynamicMeshNode::DynamicMeshNode(std::string name, const common::Point3D& position,
                                 std::shared_ptr<IndexedVertices> mesh)
    : BoneNode(std::move(name), position, this), mesh_(Checked(mesh)) {}

DynamicMeshNode::~DynamicMeshNode() { ReleaseBones(); }

void DynamicMeshNode::ReleaseBones() {
    // Bones held elsewhere must not reach this node through their back link any more.
    for (const auto& bone : bones_) bone->owner_ = nullptr;
    bones_.clear();
}

void DynamicMeshNode::DisposeNode(GameEngine& engine) {
    BoneNode::DisposeNode(engine);
    ReleaseBones();
    mesh_->Dispose(engine.VideoEngine());
}

void DynamicMeshNode::Draw(GameEngine&) {}

void DynamicMeshNode::EndUpdate(GameEngine& engine) {
    Engine& video = engine.VideoEngine();
    // Relative to the mesh node itself, whatever camera and ancestors it has.
    video.PushIdentity();
    UpdateBoneMatrices(engine);
    video.PopMatrix();
    CheckBoneNumbers();
    DrawMesh(video);
    Node::EndUpdate(engine);
}

void DynamicMeshNode::CheckBoneNumbers() const {
    for (const data::FaceGroup& group : mesh_->Groups()) {
        for (const data::Face& face : group.faces) {
            for (const data::Index& corner : face.indices) {
                if (corner.bone >= 0 && static_cast<size_t>(corner.bone) >= bones_.size()) {
                    throw common::Exception(
                        fmt::format("Knochen {} gibt es nicht: {} hat {} Knochen", corner.bone,
                                    Name(), bones_.size()));
                }
            }
        }
    }
}

void DynamicMeshNode::DrawMesh(Engine& video) const {
    const auto& positions = mesh_->Positions();
    const auto& texCoords = mesh_->TexCoords();
    const auto& normals = mesh_->Normals();
    std::vector<data::Vertex> cornerPositions(3);
    std::vector<data::Vertex> cornerTexCoords(3);
    std::vector<data::Vertex> cornerNormals(3);
    // Indexes were checked when the node took the mesh, bone numbers just before drawing.
    for (const data::FaceGroup& group : mesh_->Groups()) {
        if (group.material) video.BeginMaterial(*group.material);
        for (const data::Face& face : group.faces) {
            for (size_t k = 0; k < 3; ++k) {
                const data::Index& corner = face.indices[k];
                cornerPositions[k] = positions[static_cast<size_t>(corner.vertex)];
                cornerTexCoords[k] = texCoords[static_cast<size_t>(corner.texture)];
                cornerNormals[k] = normals[static_cast<size_t>(corner.normal)];
                if (corner.bone >= 0) {
                    const auto& bone = bones_[static_cast<size_t>(corner.bone)];
                    cornerPositions[k] = MathW::Transform(cornerPositions[k], bone->matrix_);
                }
            }
            video.DrawTriangle(cornerPositions, cornerTexCoords, cornerNormals);
        }
        if (group.material) video.EndMaterial(*group.material);
    }
}

}  // namespace zr2d
