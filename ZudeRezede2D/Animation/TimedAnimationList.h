// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "Animation.h"
#include "AnimationConnector.h"
#include "Common/Event.h"
#include "TimedAnimationConnector.h"
#include "TimedAnimationStarter.h"

namespace zr2d {

// An animation that starts other animations at given offsets from its own start. It finishes
// one frame after its last entry started; it does not wait for the entries to end.
class TimedAnimationList : public Animation {
  public:
    TimedAnimationList() : Animation(false) {}

    // Resets every entry and hands the list's manager to every connector.
    void OnStart() override;
    void Animate(uint32_t time) override;
    void OnStop() override {}
    virtual TimedAnimationList& AddAnimation(std::shared_ptr<zr2d::Animation> animation,
                                             uint32_t startAt, uint32_t duration);
    // A null starter throws ArgumentException("starter is null").
    virtual TimedAnimationList& AddStarter(std::shared_ptr<TimedAnimationStarter> starter);
    virtual common::EventAddHandler<>& Finished() { return finished_.AddHandler(); }
    virtual TimedAnimationList& AddTimedConnector(std::shared_ptr<TimedAnimationStarter> starter,
                                                  common::EventAddHandler<>& trigger);
    virtual TimedAnimationList& AddConnector(std::shared_ptr<zr2d::Animation> animation,
                                             common::EventAddHandler<>& trigger);

  private:
    std::vector<std::shared_ptr<TimedAnimationStarter>> starters_;
    std::vector<std::shared_ptr<TimedAnimationConnector>> timedConnectors_;
    std::vector<std::shared_ptr<AnimationConnector>> connectors_;
    common::Event<> finished_;
};

}  // namespace zr2d
