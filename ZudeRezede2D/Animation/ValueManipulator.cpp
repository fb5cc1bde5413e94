// SPDX-License-Identifier: GPL-3.0-or-later
#include "ValueManipulator.h"

namespace zr2d {

ValueManipulator::ValueManipulator(Getter getter, Setter setter, float acceleration, float maxSpeed,
                                   float target)
    : Animation(true),
      setter_(std::move(setter)),
      getter_(std::move(getter)),
      target_(target),
      acceleration_(acceleration),
      maxSpeed_(maxSpeed) {}

void ValueManipulator::Animate(uint32_t time) {
    const float current = getter_();
    const bool rising = target_ > current;
    speed_ += (static_cast<float>(time) / 1000.0f) * (acceleration_ * 10.0f);
    if (speed_ > maxSpeed_) speed_ = maxSpeed_;
    const float next = rising ? current + speed_ : current - speed_;
    if (rising ? next > target_ : next < target_) {
        setter_(target_);
        Stop();
        return;
    }
    setter_(next);
}

}  // namespace zr2d
