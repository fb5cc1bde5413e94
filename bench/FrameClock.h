// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace bench {

// The clock handed to the main-loop steps: 16 ms a frame, whatever the frame really took, so
// that animations run the same in every run.
class FrameClock {
  public:
    uint32_t Next() { return ticks_ += kFrameTicks; }

  private:
    static constexpr uint32_t kFrameTicks = 16;
    uint32_t ticks_ = 1000;
};

}  // namespace bench
