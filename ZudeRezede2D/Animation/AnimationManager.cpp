// SPDX-License-Identifier: GPL-3.0-or-later
#include "AnimationManager.h"

#include "Common/Exception.h"
#include "Common/MyLog.h"

namespace zr2d {

void AnimationManager::Stop() {
    running_ = false;
    startTicks_ = 0;
    time_ = 0;
}

void AnimationManager::Start() {
    running_ = true;
    startTicks_ = 0;
    time_ = 0;
}

void AnimationManager::Update(uint32_t ticks) {
    try {
        if (!running_) return;
        if (startTicks_ == 0) {
            startTicks_ = ticks == 0 ? 1 : ticks;
            return;
        }
        time_ = ticks - startTicks_;
        tick_.Raise(time_);
    } catch (const std::exception&) {
        constexpr const char* kContext = "Fehler in AnimationManager.Update";
        common::MyLog::Info(kContext);
        std::throw_with_nested(common::Exception(kContext));
    }
}

}  // namespace zr2d
