// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "BoneNode.h"
#include "ZudeRezede2D/Video/Data/IndexedVertices.h"

namespace zr2d {

// An indexed triangle mesh deformed on the processor by its bones: a corner bound to a bone
// (bone number 0 or more) follows that bone's matrix, one bone per corner, no weights. The node
// is the root bone of its own hierarchy and draws the mesh after its children.
class DynamicMeshNode : public BoneNode {
  public:
    // A null mesh throws ArgumentException("mesh is null"); a face number outside its list
    // throws common::Exception (see CheckMeshIndexes).
    DynamicMeshNode(std::string name, const common::Point3D& position,
                    std::shared_ptr<IndexedVertices> mesh);
    ~DynamicMeshNode() override;

    void DisposeNode(GameEngine& engine) override;
    void Draw(GameEngine& engine) override;
    void EndUpdate(GameEngine& engine) override;
    virtual const std::shared_ptr<IndexedVertices>& Mesh() const { return mesh_; }

    // Every bone of the hierarchy in creation order; a corner's bone number indexes this list.
    const std::vector<std::shared_ptr<BoneNode>>& Bones() const { return bones_; }

  private:
    friend class BoneNode;

    void ReleaseBones();
    // A corner naming a bone that does not exist fails before anything is drawn.
    void CheckBoneNumbers() const;
    void DrawMesh(Engine& video) const;

    std::shared_ptr<IndexedVertices> mesh_;
    std::vector<std::shared_ptr<BoneNode>> bones_;
};

}  // namespace zr2d
