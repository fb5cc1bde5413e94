#pragma once

#include <algorithm>
#include <cstdint>
#include <mutex>
#include <optional>
#include <vector>

#include "Delegate.h"

namespace common {

template <typename... Args>
class Event;

// The add-only view an owner publishes: outsiders may subscribe, not raise or remove.
template <typename... Args>
class EventAddHandler {
  public:
    explicit EventAddHandler(Event<Args...>& event) : event_(event) {}
    EventAddHandler(const EventAddHandler&) = delete;
    EventAddHandler& operator=(const EventAddHandler&) = delete;

    void Add(const Delegate<Args...>& handler) { event_.Add(handler); }

  private:
    Event<Args...>& event_;
};

// A multicast event. Handlers run in registration order; those added during a raise wait for
// the next raise; a handler removed during a raise is not called any more in that raise.
template <typename... Args>
class Event {
  public:
    using Handler = Delegate<Args...>;

    Event() : view_(*this) {}
    Event(const Event&) = delete;
    Event& operator=(const Event&) = delete;

    EventAddHandler<Args...>& AddHandler() { return view_; }

    // Count follows the calls: a duplicate Add still counts, a Remove of an unknown handler
    // still subtracts.
    void Add(const Handler& handler) {
        std::lock_guard lock(mutex_);
        ++count_;
        if (raising_) {
            pending_.push_back(handler);
        } else {
            Register(handler);
        }
    }

    void Remove(const Handler& handler) {
        std::lock_guard lock(mutex_);
        --count_;
        for (auto& slot : handlers_) {
            if (slot && *slot == handler) {
                slot.reset();
                return;
            }
        }
        // Added and removed within one raise: it must not join afterwards, or a handler whose
        // object is already gone would be called.
        const auto pending = std::find(pending_.begin(), pending_.end(), handler);
        if (pending != pending_.end()) pending_.erase(pending);
    }

    int32_t Count() const {
        std::lock_guard lock(mutex_);
        return count_;
    }

    void Raise(Args... args) {
        std::lock_guard lock(mutex_);
        // A nested raise from a handler must not end the outer raise's bookkeeping.
        const bool outermost = !raising_;
        raising_ = true;
        // Tidies up even when a handler throws, so the event stays usable.
        struct Finish {
            Event& event;
            bool outermost;
            ~Finish() {
                if (outermost) event.EndRaise();
            }
        } finish{*this, outermost};
        for (size_t i = 0; i < handlers_.size(); ++i) {
            if (!handlers_[i]) continue;
            const Handler handler = *handlers_[i];  // survives the handler removing itself
            handler(args...);
        }
    }

  private:
    void Register(const Handler& handler) {
        for (const auto& slot : handlers_) {
            if (slot && *slot == handler) return;
        }
        handlers_.emplace_back(handler);
    }

    void EndRaise() {
        std::erase_if(handlers_, [](const auto& slot) { return !slot; });
        raising_ = false;
        // Handlers added during the raise get the same duplicate check as any other.
        for (const auto& handler : pending_) Register(handler);
        pending_.clear();
    }

    mutable std::recursive_mutex mutex_;
    std::vector<std::optional<Handler>> handlers_;
    std::vector<Handler> pending_;
    bool raising_ = false;
    int32_t count_ = 0;
    EventAddHandler<Args...> view_;
};

}  // namespace common
