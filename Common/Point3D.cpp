// SPDX-License-Identifier: GPL-3.0-or-later
#include "Point3D.h"

#include <cmath>

#include "Helper.h"

namespace common {

std::string Point3D::ToText() const {
    return Helper::FloatToString(x_) + "|" + Helper::FloatToString(y_) + "|" +
           Helper::FloatToString(z_);
}

float Point3D::Length() const { return std::sqrt(x_ * x_ + y_ * y_ + z_ * z_); }

}  // namespace common
