// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

namespace zr2d {

// Mono signed 16-bit samples, as a speech synthesiser makes them.
struct SampleBuffer {
    std::vector<int16_t> samples;
    int32_t rate = 0;
};

}  // namespace zr2d
