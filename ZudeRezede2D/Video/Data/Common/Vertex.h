// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <limits>

namespace zr2d::data {

// A position, a normal or a texture coordinate (x = u, y = v); unset values are NaN.
struct Vertex {
    float x = std::numeric_limits<float>::quiet_NaN();
    float y = std::numeric_limits<float>::quiet_NaN();
    float z = std::numeric_limits<float>::quiet_NaN();
};

}  // namespace zr2d::data
