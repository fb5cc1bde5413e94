// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Common/Point3D.h"

namespace zr2d {

class Engine;

// What shape and mesh nodes hold.
class IVertices {
  public:
    virtual ~IVertices() = default;

    virtual void Dispose(Engine& engine) = 0;
    virtual void Draw(Engine& engine) = 0;
    virtual common::Point3D Size() const = 0;
};

}  // namespace zr2d
