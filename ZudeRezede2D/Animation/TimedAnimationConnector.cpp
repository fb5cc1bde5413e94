// SPDX-License-Identifier: GPL-3.0-or-later
#include "TimedAnimationConnector.h"

#include "Common/Exception.h"

namespace zr2d {

TimedAnimationConnector::TimedAnimationConnector(std::shared_ptr<TimedAnimationStarter> starter,
                                                 common::EventAddHandler<>& trigger)
    : Animation(false),
      starter_(std::move(starter)),
      relay_(std::make_shared<TriggerRelay<TimedAnimationConnector>>(
          this, &TimedAnimationConnector::StartSchedule)) {
    if (!starter_) throw common::ArgumentException("starter is null");
    trigger.Add(common::Bind<>(relay_, &TriggerRelay<TimedAnimationConnector>::Fire));
}

TimedAnimationConnector::~TimedAnimationConnector() { relay_->Detach(); }

void TimedAnimationConnector::StartSchedule() {
    const auto manager = manager_.lock();
    if (!manager) {
        throw common::Exception(
            "animationManager is null, TimedAnimationConnector kann nicht gestartet werden.");
    }
    Start(manager);
}

void TimedAnimationConnector::Animate(uint32_t time) {
    starter_->Update(Manager(), time);
    if (starter_->Started()) Stop();
}

}  // namespace zr2d
