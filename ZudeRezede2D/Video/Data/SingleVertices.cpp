// SPDX-License-Identifier: GPL-3.0-or-later
#include "SingleVertices.h"

#include <algorithm>
#include <string>

#include "ColoredVertex.h"
#include "Common/Exception.h"

namespace zr2d {

SingleVertices::SingleVertices(uint32_t count) : vertices_(count) {}

void SingleVertices::Dispose(Engine&) { vertices_.clear(); }

common::Point3D SingleVertices::Size() const {
    common::Point3D min(0, 0, 0);
    common::Point3D max(0, 0, 0);
    for (const auto& vertex : vertices_) {
        if (!vertex) continue;
        const common::Point3D p = vertex->Position();
        min = {std::min(min.X(), p.X()), std::min(min.Y(), p.Y()), std::min(min.Z(), p.Z())};
        max = {std::max(max.X(), p.X()), std::max(max.Y(), p.Y()), std::max(max.Z(), p.Z())};
    }
    return max.Subtract(min);
}

SingleVertices& SingleVertices::SetVertex(uint32_t index, const common::Point3D& position) {
    vertices_.at(index) = std::make_shared<Vertex>(position);
    return *this;
}

SingleVertices& SingleVertices::SetVertex(uint32_t index, const common::Point3D& position,
                                          const common::Color& color) {
    vertices_.at(index) = std::make_shared<ColoredVertex>(position, color);
    return *this;
}

std::shared_ptr<Vertex> SingleVertices::GetVertex(uint32_t index) const {
    return vertices_.at(index);
}

void SingleVertices::Draw(Engine& engine) {
    for (size_t i = 0; i < vertices_.size(); ++i) {
        if (!vertices_[i])
            throw common::Exception("Vertex " + std::to_string(i) + " ist nicht gesetzt");
        vertices_[i]->Draw(engine);
    }
}

}  // namespace zr2d
