// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Common/Point3D.h"

namespace zr2d {

class Engine;

// A point of a free-form shape; unlike data::Vertex it draws itself.
class Vertex {
  public:
    explicit Vertex(const common::Point3D& position) : position_(position) {}
    virtual ~Vertex() = default;

    virtual void Draw(Engine& engine) const;
    virtual void SetPosition(const common::Point3D& position) { position_ = position; }
    virtual common::Point3D Position() const { return position_; }

  private:
    common::Point3D position_;
};

}  // namespace zr2d
