// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

#include "Index.h"

namespace zr2d::data {

// One triangle of a mesh.
struct Face {
    std::vector<Index> indices = std::vector<Index>(3);
    int32_t count = 3;
};

}  // namespace zr2d::data
