// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace common {

// A 2D point or size in pixels. Immutable: every operation returns a new value.
class Point2D {
  public:
    constexpr Point2D(float x, float y) : x_(x), y_(y) {}

    constexpr float X() const { return x_; }
    constexpr float Y() const { return y_; }
    constexpr Point2D Add(const Point2D& o) const { return {x_ + o.x_, y_ + o.y_}; }
    constexpr Point2D Scale(float f) const { return {x_ * f, y_ * f}; }
    constexpr Point2D Divide(float f) const { return {x_ / f, y_ / f}; }
    std::string ToText() const;
    // Exact float comparison: a NaN coordinate never compares equal.
    constexpr bool Equals(const Point2D& o) const { return x_ == o.x_ && y_ == o.y_; }

    // The offset that centres a thing of size inner inside a thing of size outer.
    static Point2D Center(const Point2D& outer, const Point2D& inner);
    // This size scaled, aspect kept, until one side touches bounds (may grow).
    Point2D FitInto(const Point2D& bounds) const;

  private:
    float x_;
    float y_;
};

}  // namespace common
