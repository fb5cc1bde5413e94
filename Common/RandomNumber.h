// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>

namespace common {

// The process's one source of random integers, seeded once from the high-resolution clock.
class RandomNumber {
  public:
    RandomNumber() = delete;

    // Uniform from min to max, both included. Throws ArgumentException when max < min.
    static int32_t Get(int32_t min, int32_t max);

    // Makes the sequence repeatable (tests, benchmarks).
    static void Seed(uint32_t seed);

    // Test hook: sees every draw with its range; an empty observer removes it.
    using Observer = std::function<void(int32_t min, int32_t max, int32_t drawn)>;
    static void SetObserver(Observer observer);
};

}  // namespace common
