// SPDX-License-Identifier: GPL-3.0-or-later
#include "CustomAnimation.h"

namespace zr2d {

void CustomAnimation::Animate(uint32_t time) {
    if (interval_) {
        if (time - lastRun_ < static_cast<uint32_t>(*interval_)) return;
        lastRun_ = time;
    }
    if (callback_) callback_(time);
}

}  // namespace zr2d
