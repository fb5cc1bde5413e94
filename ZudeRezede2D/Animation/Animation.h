// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>

#include "AnimationManager.h"
#include "Common/Event.h"

namespace zr2d {

// Base of everything that changes over time. Started with a manager, it receives the elapsed
// milliseconds since its start (or since its previous step, in delta mode) every frame until
// stopped. Always held by std::shared_ptr: while running, its manager holds it too, so an
// animation that nobody else keeps runs to its end.
class Animation : public std::enable_shared_from_this<Animation> {
  public:
    explicit Animation(bool deltaMode) : deltaMode_(deltaMode) {}
    virtual ~Animation() = default;
    Animation(const Animation&) = delete;
    Animation& operator=(const Animation&) = delete;

    // Does nothing while running (the first start's time and manager stay).
    virtual void Start(const std::shared_ptr<AnimationManager>& manager);
    virtual void Stop();
    virtual void OnStart() = 0;
    virtual void Animate(uint32_t time) = 0;
    virtual void OnStop() = 0;
    virtual bool IsRunning() const { return running_; }
    // The manager of the last start, kept after Stop; empty once the manager is gone.
    virtual std::shared_ptr<AnimationManager> Manager() const { return manager_.lock(); }
    virtual uint32_t StartTime() const { return startTime_; }
    virtual common::EventAddHandler<>& Stopped() { return stopped_.AddHandler(); }
    virtual common::EventAddHandler<>& Updated() { return updated_.AddHandler(); }

  private:
    void Step(uint32_t time);
    AnimationManager::TickHandler StepHandler() {
        return common::Bind<uint32_t>(this, &Animation::Step);
    }

    uint32_t startTime_ = 0;
    bool running_ = false;
    std::weak_ptr<AnimationManager> manager_;
    common::Event<> stopped_;
    common::Event<> updated_;
    bool deltaMode_;
    uint32_t lastElapsed_ = 0;
    uint32_t elapsed_ = 0;
};

}  // namespace zr2d
