// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include "Animation.h"

namespace zr2d {

// Drives one float value towards a target, one step per frame: the step is the current speed,
// which grows by the acceleration (per second) up to maxSpeed. Reaching or passing the target
// sets it exactly and stops.
class ValueManipulator : public Animation {
  public:
    using Getter = std::function<float()>;
    using Setter = std::function<void(float)>;

    ValueManipulator(Getter getter, Setter setter, float acceleration, float maxSpeed,
                     float target);

    void OnStart() override { ResetSpeed(); }
    // time: milliseconds since the previous frame.
    void Animate(uint32_t time) override;
    void OnStop() override {}
    // Full speed at once without acceleration, else from 0.
    virtual void ResetSpeed() { speed_ = acceleration_ == 0 ? maxSpeed_ : 0; }
    virtual void SetTarget(float target) { target_ = target; }
    virtual float Target() const { return target_; }
    virtual float MaxSpeed() const { return maxSpeed_; }
    virtual void SetMaxSpeed(float maxSpeed) { maxSpeed_ = maxSpeed; }

  private:
    Setter setter_;
    Getter getter_;
    float target_;
    float acceleration_;
    float speed_ = 0;
    float maxSpeed_;
};

}  // namespace zr2d
