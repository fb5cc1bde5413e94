// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "Common/Color.h"
#include "Common/Point3D.h"
#include "IVertices.h"
#include "Vertex.h"

namespace zr2d {

// A fixed number of vertex slots drawn in index order; indexes outside the slots throw
// std::out_of_range, drawing an unset slot throws common::Exception.
class SingleVertices : public IVertices {
  public:
    explicit SingleVertices(uint32_t count);

    void Dispose(Engine& engine) override;
    // The extent of the positions; the box always includes the origin.
    common::Point3D Size() const override;
    virtual SingleVertices& SetVertex(uint32_t index, const common::Point3D& position);
    virtual SingleVertices& SetVertex(uint32_t index, const common::Point3D& position,
                                      const common::Color& color);
    virtual std::shared_ptr<Vertex> GetVertex(uint32_t index) const;
    void Draw(Engine& engine) override;

  private:
    std::vector<std::shared_ptr<Vertex>> vertices_;
};

}  // namespace zr2d
