// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "Common/Point3D.h"

namespace zr2d {

// Something that can be placed and turned; move and turn animations work through it.
class IMoveable {
  public:
    virtual ~IMoveable() = default;

    virtual common::Point3D Position() const = 0;
    // (0, 0, 0) when no rotation is set.
    virtual common::Point3D Rotation() const = 0;
    virtual void SetPosition(const common::Point3D& position) = 0;
    virtual void SetRotation(const std::optional<common::Point3D>& rotation) = 0;
};

}  // namespace zr2d
