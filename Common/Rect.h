// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "Point3D.h"

namespace common {

// A position plus a size.
class Rect {
  public:
    // Absent parts fail with "position is null" / "size is null", the position checked first.
    Rect(const std::optional<Point3D>& position, const std::optional<Point3D>& size);

    const Point3D& Position() const { return position_; }
    const Point3D& Size() const { return size_; }
    std::string ToText() const;

  private:
    Point3D position_;
    Point3D size_;
};

}  // namespace common
