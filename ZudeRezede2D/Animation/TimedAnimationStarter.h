// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>

#include "Animation.h"
#include "AnimationManager.h"

namespace zr2d {

// One entry of a schedule: starts its animation once the schedule's time has passed startAt.
// With a duration the animation is stopped at the first frame on which it has run longer
// than that (measured from its own start); 0 leaves it running until it ends by itself.
class TimedAnimationStarter {
  public:
    // A null animation throws ArgumentException("animation is null").
    TimedAnimationStarter(std::shared_ptr<zr2d::Animation> animation, uint32_t startAt,
                          uint32_t duration);
    virtual ~TimedAnimationStarter() = default;

    virtual void Reset() { started_ = false; }
    // time: milliseconds since the schedule started. Starts the animation at most once per
    // Reset, and only while it is not already running.
    virtual void Update(const std::shared_ptr<AnimationManager>& manager, uint32_t time);
    virtual bool Started() const { return started_; }
    virtual uint32_t StartAt() const { return startAt_; }
    virtual void SetStartAt(uint32_t milliseconds) { startAt_ = milliseconds; }

    uint32_t Duration() const { return duration_; }
    const std::shared_ptr<zr2d::Animation>& Animation() const { return animation_; }

  private:
    void StopAfterDuration(const std::shared_ptr<AnimationManager>& manager);

    uint32_t startAt_;
    uint32_t duration_;
    bool started_ = false;
    std::shared_ptr<zr2d::Animation> animation_;
};

}  // namespace zr2d
