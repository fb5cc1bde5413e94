// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include "Common/Vertex.h"

namespace zr2d {

class MathW {
  public:
    MathW() = delete;

    // Applies a column-major 4x4 matrix to (x, y, z, 1).
    static data::Vertex Transform(const data::Vertex& v, const std::array<float, 16>& m);
};

}  // namespace zr2d
