// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "Point2D.h"

namespace common {

// A 3D point or size in pixels (node positions and sizes). Immutable.
class Point3D {
  public:
    constexpr Point3D(float x, float y, float z) : x_(x), y_(y), z_(z) {}
    constexpr explicit Point3D(const Point2D& p) : x_(p.X()), y_(p.Y()), z_(0) {}

    constexpr float X() const { return x_; }
    constexpr float Y() const { return y_; }
    constexpr float Z() const { return z_; }
    constexpr Point3D Add(const Point3D& o) const { return {x_ + o.x_, y_ + o.y_, z_ + o.z_}; }
    constexpr Point3D Subtract(const Point3D& o) const { return {x_ - o.x_, y_ - o.y_, z_ - o.z_}; }
    // Adds only x and y of the other point; z stays.
    constexpr Point3D AddXY(const Point3D& p) const { return {x_ + p.x_, y_ + p.y_, z_}; }
    constexpr Point3D Scale(float f) const { return {x_ * f, y_ * f, z_ * f}; }
    constexpr Point3D Multiply(const Point3D& o) const { return {x_ * o.x_, y_ * o.y_, z_ * o.z_}; }
    constexpr Point3D Divide(float f) const { return {x_ / f, y_ / f, z_ / f}; }
    std::string ToText() const;
    constexpr bool Equals(const Point3D& o) const { return x_ == o.x_ && y_ == o.y_ && z_ == o.z_; }
    float Length() const;

  private:
    float x_;
    float y_;
    float z_;
};

}  // namespace common
