// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

namespace zr2d {

// The alpha a node and its children are drawn in: the last pushed value replaces the one before.
class AlphaStack {
  public:
    void Push(int32_t alpha) { alphas_.push_back(alpha); }
    // Throws common::NoSuchElementException when empty.
    int32_t Pop();
    void Clear() { alphas_.clear(); }
    bool Empty() const { return alphas_.empty(); }
    // 255 when none is pushed.
    int32_t Current() const { return alphas_.empty() ? 255 : alphas_.back(); }

  private:
    std::vector<int32_t> alphas_;
};

}  // namespace zr2d
