// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace zr2d {

// Free-form primitives; note that LineStrip and LineLoop are not in OpenGL's own order.
enum class BasicShapeType : int32_t {
    Points = 1,
    Lines = 2,
    LineStrip = 3,
    LineLoop = 4,
    Triangles = 5,
    TriangleStrip = 6,
    TriangleFan = 7,
    Quads = 8,
    QuadStrip = 9,
    Polygon = 10,
};

}  // namespace zr2d
