// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace zr2d::data {

// Zero-based numbers into a mesh's position, texture-coordinate and normal lists.
struct Index {
    int32_t vertex = 0;
    int32_t texture = 0;
    int32_t normal = 0;
    // -1: bound to no bone.
    int16_t bone = -1;
};

}  // namespace zr2d::data
