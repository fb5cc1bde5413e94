// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "Node.h"

namespace zr2d {

class DynamicMeshNode;

// One joint of a mesh's skeleton. It draws nothing; the mesh moves the vertices bound to it by
// its matrix, the product of the transforms from the mesh node (excluded) down to this bone.
class BoneNode : public Node {
  public:
    // owner is a back link: the mesh node owns its bones, and clears the link when disposed.
    BoneNode(std::string name, const common::Point3D& position, DynamicMeshNode* owner);

    void DisposeNode(GameEngine& engine) override;
    void Draw(GameEngine& engine) override;
    // A new bone under this one. Bones are numbered in creation order across the whole
    // hierarchy, which is the number a vertex uses to bind to it. Throws when the mesh is gone.
    virtual std::shared_ptr<BoneNode> AddBone(const std::string& name,
                                              const common::Point3D& position);
    // Recomputes the matrices of all bones below this one, hidden ones included.
    virtual void UpdateBoneMatrices(GameEngine& engine);
    // Column-major; identity until the first frame.
    virtual std::array<float, 16> Matrix() const { return matrix_; }

    const std::vector<std::shared_ptr<BoneNode>>& ChildBones() const { return childBones_; }

  private:
    friend class DynamicMeshNode;

    std::array<float, 16> matrix_{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    DynamicMeshNode* owner_;
    std::vector<std::shared_ptr<BoneNode>> childBones_;
};

}  // namespace zr2d
