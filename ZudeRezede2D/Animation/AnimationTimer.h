// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "Animation.h"

namespace zr2d {

// Stops itself at the first frame whose elapsed time exceeds its duration.
class AnimationTimer : public Animation {
  public:
    explicit AnimationTimer(uint32_t duration) : Animation(false), duration_(duration) {}

    void OnStart() override {}
    void Animate(uint32_t time) override {
        if (time > duration_) Stop();
    }
    void OnStop() override {}
    virtual uint32_t Duration() const { return duration_; }
    virtual void SetDuration(uint32_t milliseconds) { duration_ = milliseconds; }

  private:
    uint32_t duration_;
};

}  // namespace zr2d
