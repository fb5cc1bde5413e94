// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include "Animation.h"
#include "AnimationManager.h"
#include "Common/Event.h"
#include "TimedAnimationStarter.h"
#include "TriggerRelay.h"

namespace zr2d {

// Runs one schedule entry when its trigger fires: the entry's startAt counts from that moment.
// Stops itself once the entry has started.
class TimedAnimationConnector : public Animation {
  public:
    // A null starter throws ArgumentException("starter is null").
    TimedAnimationConnector(std::shared_ptr<TimedAnimationStarter> starter,
                            common::EventAddHandler<>& trigger);
    ~TimedAnimationConnector() override;

    void OnStart() override { starter_->Reset(); }
    void Animate(uint32_t time) override;
    void OnStop() override {}
    virtual void SetManager(const std::shared_ptr<AnimationManager>& manager) {
        manager_ = manager;
    }

  private:
    // Without a manager: "animationManager is null, TimedAnimationConnector kann nicht
    // gestartet werden." travels through the raising event to its raiser.
    void StartSchedule();

    std::shared_ptr<TimedAnimationStarter> starter_;
    // Weak: a list's connectors must not keep a scene's manager alive.
    std::weak_ptr<AnimationManager> manager_;
    std::shared_ptr<TriggerRelay<TimedAnimationConnector>> relay_;
};

}  // namespace zr2d
