// SPDX-License-Identifier: GPL-3.0-or-later
#include "TimedAnimationList.h"

#include "Common/Exception.h"

namespace zr2d {

void TimedAnimationList::OnStart() {
    for (const auto& starter : starters_) starter->Reset();
    const auto manager = Manager();
    for (const auto& connector : timedConnectors_) connector->SetManager(manager);
    for (const auto& connector : connectors_) connector->SetManager(manager);
}

void TimedAnimationList::Animate(uint32_t time) {
    // Stop may drop the manager's reference, the last one; finished is raised after it.
    const auto self = shared_from_this();
    const auto manager = Manager();
    int32_t waiting = 0;
    // A copy: an entry's animation may add entries while it starts.
    const auto starters = starters_;
    for (const auto& starter : starters) {
        if (starter->Started()) continue;
        ++waiting;
        starter->Update(manager, time);
    }
    if (waiting > 0) return;
    Stop();
    finished_.Raise();
}

TimedAnimationList& TimedAnimationList::AddAnimation(std::shared_ptr<zr2d::Animation> animation,
                                                     uint32_t startAt, uint32_t duration) {
    return AddStarter(
        std::make_shared<TimedAnimationStarter>(std::move(animation), startAt, duration));
}

TimedAnimationList& TimedAnimationList::AddStarter(std::shared_ptr<TimedAnimationStarter> starter) {
    if (!starter) throw common::ArgumentException("starter is null");
    starters_.push_back(std::move(starter));
    return *this;
}

TimedAnimationList& TimedAnimationList::AddTimedConnector(
    std::shared_ptr<TimedAnimationStarter> starter, common::EventAddHandler<>& trigger) {
    timedConnectors_.push_back(
        std::make_shared<TimedAnimationConnector>(std::move(starter), trigger));
    return *this;
}

TimedAnimationList& TimedAnimationList::AddConnector(std::shared_ptr<zr2d::Animation> animation,
                                                     common::EventAddHandler<>& trigger) {
    connectors_.push_back(std::make_shared<AnimationConnector>(std::move(animation), trigger));
    return *this;
}

}  // namespace zr2d
