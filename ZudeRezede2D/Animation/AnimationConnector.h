// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include "Animation.h"
#include "AnimationManager.h"
#include "Common/Event.h"
#include "TriggerRelay.h"

namespace zr2d {

// Starts an animation whenever its trigger fires, with the manager it was given. Lives as long
// as its owner (a TimedAnimationList) keeps it; afterwards the trigger reaches nothing.
class AnimationConnector {
  public:
    // A null animation throws ArgumentException("animation is null").
    AnimationConnector(std::shared_ptr<Animation> animation, common::EventAddHandler<>& trigger);
    virtual ~AnimationConnector();
    AnimationConnector(const AnimationConnector&) = delete;
    AnimationConnector& operator=(const AnimationConnector&) = delete;

    virtual void SetManager(const std::shared_ptr<AnimationManager>& manager) {
        manager_ = manager;
    }

  private:
    // Without a manager: "animationManager is null, AnimationConnector kann nicht gestartet
    // werden." travels through the raising event to its raiser.
    void StartAnimation();

    // Weak: a list's connectors must not keep a scene's manager alive.
    std::weak_ptr<AnimationManager> manager_;
    std::shared_ptr<Animation> animation_;
    std::shared_ptr<TriggerRelay<AnimationConnector>> relay_;
};

}  // namespace zr2d
