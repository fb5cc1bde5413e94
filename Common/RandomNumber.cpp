// SPDX-License-Identifier: GPL-3.0-or-later
#include "RandomNumber.h"

#include <chrono>
#include <random>

#include "Exception.h"

namespace common {
namespace {

std::mt19937& Generator() {
    static std::mt19937 generator(static_cast<uint32_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count()));
    return generator;
}

RandomNumber::Observer& TheObserver() {
    static RandomNumber::Observer observer;
    return observer;
}

}  // namespace

int32_t RandomNumber::Get(int32_t min, int32_t max) {
    // An empty range would divide by zero; refuse it instead.
    if (max < min) throw ArgumentException("max < min");
    const int32_t drawn = std::uniform_int_distribution<int32_t>(min, max)(Generator());
    if (TheObserver()) TheObserver()(min, max, drawn);
    return drawn;
}

void RandomNumber::Seed(uint32_t seed) { Generator().seed(seed); }

void RandomNumber::SetObserver(Observer observer) { TheObserver() = std::move(observer); }

}  // namespace common
