// SPDX-License-Identifier: GPL-3.0-or-later
#include "Point2D.h"

#include "Helper.h"
#include "MyLog.h"

namespace common {

std::string Point2D::ToText() const {
    return Helper::FloatToString(x_) + "|" + Helper::FloatToString(y_);
}

Point2D Point2D::Center(const Point2D& outer, const Point2D& inner) {
    MyLog::Info("Center: " + outer.ToText() + " - " + inner.ToText());
    return {(outer.x_ - inner.x_) / 2, (outer.y_ - inner.y_) / 2};
}

Point2D Point2D::FitInto(const Point2D& bounds) const {
    const float rx = x_ / bounds.x_;
    const float ry = y_ / bounds.y_;
    return rx > ry ? Divide(rx) : Divide(ry);
}

}  // namespace common
