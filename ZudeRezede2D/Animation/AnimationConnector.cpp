// SPDX-License-Identifier: GPL-3.0-or-later
#include "AnimationConnector.h"

#include "Common/Exception.h"

namespace zr2d {

AnimationConnector::AnimationConnector(std::shared_ptr<Animation> animation,
                                       common::EventAddHandler<>& trigger)
    : animation_(std::move(animation)),
      relay_(std::make_shared<TriggerRelay<AnimationConnector>>(
          this, &AnimationConnector::StartAnimation)) {
    if (!animation_) throw common::ArgumentException("animation is null");
    trigger.Add(common::Bind<>(relay_, &TriggerRelay<AnimationConnector>::Fire));
}

AnimationConnector::~AnimationConnector() { relay_->Detach(); }

void AnimationConnector::StartAnimation() {
    const auto manager = manager_.lock();
    if (!manager) {
        throw common::Exception(
            "animationManager is null, AnimationConnector kann nicht gestartet werden.");
    }
    animation_->Start(manager);
}

}  // namespace zr2d
