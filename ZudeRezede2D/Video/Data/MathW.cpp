// SPDX-License-Identifier: GPL-3.0-or-later
#include "MathW.h"

namespace zr2d {

data::Vertex MathW::Transform(const data::Vertex& v, const std::array<float, 16>& m) {
    return {m[0] * v.x + m[4] * v.y + m[8] * v.z + m[12],
            m[1] * v.x + m[5] * v.y + m[9] * v.z + m[13],
            m[2] * v.x + m[6] * v.y + m[10] * v.z + m[14]};
}

}  // namespace zr2d
