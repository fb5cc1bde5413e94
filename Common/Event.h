// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <cstdint>
#include <memory>
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

    Event() : state_(std::make_shared<State>()), view_(*this) {}
    // A handler may destroy the event's owner while it raises: the raise then stops.
    ~Event() {
        std::lock_guard lock(state_->mutex);
        state_->alive = false;
    }
    Event(const Event&) = delete;
    Event& operator=(const Event&) = delete;

    EventAddHandler<Args...>& AddHandler() { return view_; }

    // Count follows the calls: a duplicate Add still counts, a Remove of an unknown handler
    // still subtracts.
    void Add(const Handler& handler) {
        std::lock_guard lock(state_->mutex);
        ++state_->count;
        if (state_->raising) {
            state_->pending.push_back(handler);
        } else {
            state_->Register(handler);
        }
    }

    void Remove(const Handler& handler) {
        State& state = *state_;
        std::lock_guard lock(state.mutex);
        --state.count;
        for (auto& slot : state.handlers) {
            if (slot && *slot == handler) {
                slot.reset();
                return;
            }
        }
        // Added and removed within one raise: it must not join afterwards, or a handler whose
        // object is already gone would be called.
        const auto pending = std::find(state.pending.begin(), state.pending.end(), handler);
        if (pending != state.pending.end()) state.pending.erase(pending);
    }

    int32_t Count() const {
        std::lock_guard lock(state_->mutex);
        return state_->count;
    }

    void Raise(Args... args) {
        // Held here, not reached through this: the event may be gone when a handler returns.
        const std::shared_ptr<State> state = state_;
        std::lock_guard lock(state->mutex);
        // A nested raise from a handler must not end the outer raise's bookkeeping.
        const bool outermost = !state->raising;
        state->raising = true;
        // Tidies up even when a handler throws, so the event stays usable.
        struct Finish {
            State& state;
            bool outermost;
            ~Finish() {
                if (outermost) state.EndRaise();
            }
        } finish{*state, outermost};
        for (size_t i = 0; i < state->handlers.size() && state->alive; ++i) {
            if (!state->handlers[i]) continue;
            const Handler handler = *state->handlers[i];  // survives the handler removing itself
            handler(args...);
        }
    }

  private:
    struct State {
        void Register(const Handler& handler) {
            for (const auto& slot : handlers) {
                if (slot && *slot == handler) return;
            }
            handlers.emplace_back(handler);
        }

        void EndRaise() {
            std::erase_if(handlers, [](const auto& slot) { return !slot; });
            raising = false;
            // Handlers added during the raise get the same duplicate check as any other.
            for (const auto& handler : pending) Register(handler);
            pending.clear();
        }

        std::recursive_mutex mutex;
        std::vector<std::optional<Handler>> handlers;
        std::vector<Handler> pending;
        bool raising = false;
        bool alive = true;
        int32_t count = 0;
    };

    std::shared_ptr<State> state_;
    EventAddHandler<Args...> view_;
};

}  // namespace common
