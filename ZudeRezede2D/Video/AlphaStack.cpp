// SPDX-License-Identifier: GPL-3.0-or-later
#include "AlphaStack.h"

#include "Common/Exception.h"

namespace zr2d {

int32_t AlphaStack::Pop() {
    if (alphas_.empty()) throw common::NoSuchElementException("alpha stack is empty");
    const int32_t alpha = alphas_.back();
    alphas_.pop_back();
    return alpha;
}

}  // namespace zr2d
