// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <GL/gl.h>

#include <cstdio>
#include <ctime>

namespace bench {

// Waits until the frame is drawn and prints the system's monotonic clock in seconds; the caller
// that started the process reads the same clock before starting it.
inline void PrintPresentedAt() {
    glFinish();
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    std::printf("%lld.%09ld\n", static_cast<long long>(now.tv_sec), now.tv_nsec);
    std::fflush(stdout);
}

}  // namespace bench
