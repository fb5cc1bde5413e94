// SPDX-License-Identifier: GPL-3.0-or-later
#include "Animation.h"

namespace zr2d {

void Animation::Start(const std::shared_ptr<AnimationManager>& manager) {
    if (running_) return;
    manager_ = manager;
    startTime_ = manager->Time();
    manager->Register(common::Bind<uint32_t>(shared_from_this(), &Animation::Step));
    lastElapsed_ = 0;
    OnStart();
    running_ = true;
}

void Animation::Stop() {
    if (!running_) return;
    // Unregistering may drop the manager's reference, the last one.
    const auto self = shared_from_this();
    running_ = false;
    OnStop();
    startTime_ = 0;
    if (const auto manager = manager_.lock()) manager->Unregister(StepHandler());
    stopped_.Raise();
}

void Animation::Step(uint32_t time) {
    elapsed_ = time - startTime_;
    Animate(deltaMode_ ? elapsed_ - lastElapsed_ : elapsed_);
    lastElapsed_ = elapsed_;
    updated_.Raise();
}

}  // namespace zr2d
