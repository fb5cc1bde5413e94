// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

namespace common {

// RGBA with integer channels; 0..255 is meaningful. The constructor stores values unclamped;
// Add, Subtract, Brighten and the Add<Channel> operations clamp to 0..255.
class Color {
  public:
    constexpr Color(int32_t r, int32_t g, int32_t b, int32_t a) : r_(r), g_(g), b_(b), a_(a) {}

    constexpr int32_t R() const { return r_; }
    constexpr int32_t G() const { return g_; }
    constexpr int32_t B() const { return b_; }
    constexpr int32_t A() const { return a_; }
    Color Add(const Color& o) const;
    Color Subtract(const Color& o) const;
    float RedF() const { return static_cast<float>(r_) / 255.0f; }
    float GreenF() const { return static_cast<float>(g_) / 255.0f; }
    float BlueF() const { return static_cast<float>(b_) / 255.0f; }
    float AlphaF() const { return static_cast<float>(a_) / 255.0f; }
    // These four change this colour in place.
    void AddRed(int32_t n);
    void AddGreen(int32_t n);
    void AddBlue(int32_t n);
    void AddAlpha(int32_t n);
    // A copy with n added to red, green and blue; alpha unchanged. Negative n darkens.
    Color Brighten(int32_t n) const;
    std::string ToText() const;

    friend constexpr bool operator==(const Color&, const Color&) = default;

  private:
    int32_t r_;
    int32_t g_;
    int32_t b_;
    int32_t a_;
};

}  // namespace common
