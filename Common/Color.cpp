// SPDX-License-Identifier: GPL-3.0-or-later
#include "Color.h"

#include <algorithm>

namespace common {
namespace {

// 64-bit sum so that extreme unclamped channels cannot overflow before clamping.
int32_t ClampedSum(int32_t a, int64_t b) {
    return static_cast<int32_t>(std::clamp<int64_t>(a + b, 0, 255));
}

}  // namespace

Color Color::Add(const Color& o) const {
    return {ClampedSum(r_, o.r_), ClampedSum(g_, o.g_), ClampedSum(b_, o.b_), ClampedSum(a_, o.a_)};
}

Color Color::Subtract(const Color& o) const {
    return {ClampedSum(r_, -int64_t{o.r_}), ClampedSum(g_, -int64_t{o.g_}),
            ClampedSum(b_, -int64_t{o.b_}), ClampedSum(a_, -int64_t{o.a_})};
}

void Color::AddRed(int32_t n) { r_ = ClampedSum(r_, n); }
void Color::AddGreen(int32_t n) { g_ = ClampedSum(g_, n); }
void Color::AddBlue(int32_t n) { b_ = ClampedSum(b_, n); }
void Color::AddAlpha(int32_t n) { a_ = ClampedSum(a_, n); }

Color Color::Brighten(int32_t n) const {
    Color result = *this;
    result.AddRed(n);
    result.AddGreen(n);
    result.AddBlue(n);
    return result;
}

std::string Color::ToText() const {
    return "r_" + std::to_string(r_) + ";g_" + std::to_string(g_) + ";b_" + std::to_string(b_);
}

}  // namespace common
