// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "Common/Event.h"

namespace zr2d {

// A scene's animation clock: turns the frame's tick count into milliseconds since the scene
// was shown and hands that time to every running animation once per frame.
class AnimationManager {
  public:
    using TickHandler = common::Delegate<uint32_t>;

    AnimationManager() = default;
    virtual ~AnimationManager() = default;
    AnimationManager(const AnimationManager&) = delete;
    AnimationManager& operator=(const AnimationManager&) = delete;

    virtual void Stop();
    // Restarts the clock: the next Update only takes the reference time.
    virtual void Start();
    // A handler's exception is logged and rethrown nested in a common::Exception
    // "Fehler in AnimationManager.Update".
    virtual void Update(uint32_t ticks);
    // Running animations: registrations minus unregistrations.
    virtual int32_t Count() const { return tick_.Count(); }
    virtual uint32_t Time() const { return time_; }

    void Register(const TickHandler& handler) { tick_.Add(handler); }
    void Unregister(const TickHandler& handler) { tick_.Remove(handler); }

  private:
    uint32_t startTicks_ = 0;  // 0: not taken yet
    uint32_t time_ = 0;
    bool running_ = false;
    common::Event<uint32_t> tick_;
};

}  // namespace zr2d
