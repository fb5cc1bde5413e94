// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "Exception.h"

namespace common {

// Walks the caller's array (not a copy) once, front to back.
template <typename T>
class MyArrayIterator {
  public:
    explicit MyArrayIterator(std::vector<T>& array)
        : array_(array), remaining_(static_cast<int32_t>(array.size())) {}

    int32_t Remaining() const { return remaining_; }
    bool More() const { return remaining_ > 0; }
    bool Corrupted() const { return false; }

    T& Get() {
        if (remaining_ <= 0) throw NoSuchElementException("Exhausted Iterator");
        --remaining_;
        ++index_;
        return array_[static_cast<size_t>(index_)];
    }

    // Calls the callback for each remaining element; a non-zero result stops and is returned.
    int ForEach(const std::function<int(T&)>& callback) {
        while (More()) {
            if (const int result = callback(Get()); result != 0) return result;
        }
        return 0;
    }

  private:
    std::vector<T>& array_;
    int32_t index_ = -1;
    int32_t remaining_;
};

}  // namespace common
