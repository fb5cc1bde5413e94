// SPDX-License-Identifier: GPL-3.0-or-later
#include "IndexedVertices.h"

#include <utility>

namespace zr2d {

IndexedVertices::IndexedVertices(std::vector<data::Vertex> positions,
                                 std::vector<data::Vertex> texCoords,
                                 std::vector<data::Vertex> normals,
                                 std::vector<data::FaceGroup> groups)
    : positions_(std::move(positions)),
      normals_(std::move(normals)),
      texCoords_(std::move(texCoords)),
      groups_(std::move(groups)) {}

void IndexedVertices::Draw(Engine&) {}

void IndexedVertices::Dispose(Engine&) {}

common::Point3D IndexedVertices::Size() const { return {0, 0, 0}; }

}  // namespace zr2d
