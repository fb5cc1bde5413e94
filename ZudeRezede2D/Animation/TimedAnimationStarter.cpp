// SPDX-License-Identifier: GPL-3.0-or-later
#include "TimedAnimationStarter.h"

#include "AnimationTimer.h"
#include "Common/Exception.h"

namespace zr2d {

TimedAnimationStarter::TimedAnimationStarter(std::shared_ptr<zr2d::Animation> animation,
                                             uint32_t startAt, uint32_t duration)
    : startAt_(startAt), duration_(duration), animation_(std::move(animation)) {
    if (!animation_) throw common::ArgumentException("animation is null");
}

void TimedAnimationStarter::Update(const std::shared_ptr<AnimationManager>& manager,
                                   uint32_t time) {
    if (!manager) throw common::ArgumentException("manager is null");
    if (animation_->IsRunning() || started_ || startAt_ >= time) return;
    animation_->Start(manager);
    started_ = true;
    if (duration_ > 0) StopAfterDuration(manager);
}

// A timer of its own, kept by the manager like any running animation, so that the stop still
// happens when the schedule has finished long before (it ends one frame after its last start).
void TimedAnimationStarter::StopAfterDuration(const std::shared_ptr<AnimationManager>& manager) {
    auto timer = std::make_shared<AnimationTimer>(duration_);
    timer->Stopped().Add(common::Bind<>(animation_, &zr2d::Animation::Stop));
    timer->Start(manager);
}

}  // namespace zr2d
