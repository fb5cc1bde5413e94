// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "Common/FaceGroup.h"
#include "Common/Vertex.h"
#include "IVertices.h"

namespace zr2d {

// A triangle mesh; its node draws it group by group, so Draw and Dispose have nothing to do.
class IndexedVertices : public IVertices {
  public:
    IndexedVertices(std::vector<data::Vertex> positions, std::vector<data::Vertex> texCoords,
                    std::vector<data::Vertex> normals, std::vector<data::FaceGroup> groups);

    void Draw(Engine& engine) override;
    void Dispose(Engine& engine) override;
    common::Point3D Size() const override;
    virtual const std::vector<data::Vertex>& Positions() const { return positions_; }
    virtual const std::vector<data::FaceGroup>& Groups() const { return groups_; }
    virtual const std::vector<data::Vertex>& TexCoords() const { return texCoords_; }
    virtual const std::vector<data::Vertex>& Normals() const { return normals_; }

  private:
    std::vector<data::Vertex> positions_;
    std::vector<data::Vertex> normals_;
    std::vector<data::Vertex> texCoords_;
    std::vector<data::FaceGroup> groups_;
};

}  // namespace zr2d
