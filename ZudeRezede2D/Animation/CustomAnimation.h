// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>

#include "Animation.h"
#include "Common/DataTypes/WInteger.h"

namespace zr2d {

// Calls a callback with the time since its start on every frame, or at most once per interval.
class CustomAnimation : public Animation {
  public:
    using Callback = std::function<void(uint32_t time)>;

    CustomAnimation(Callback callback, common::WInteger interval)
        : Animation(false), callback_(std::move(callback)), interval_(interval) {}

    void OnStart() override { lastRun_ = 0; }
    void Animate(uint32_t time) override;
    void OnStop() override {}
    virtual void SetInterval(int32_t milliseconds) { interval_ = milliseconds; }

  private:
    Callback callback_;
    common::WInteger interval_;
    uint32_t lastRun_ = 0;
};

}  // namespace zr2d
