// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <optional>
#include <typeinfo>

namespace common {

// A handler with identity: the target object plus the method. Two delegates are equal when
// both match, so an event can refuse duplicates and remove exactly what was added.
template <typename... Args>
class Delegate {
  public:
    template <typename Target, typename Method>
    Delegate(Target* target, Method method)
        : binding_(std::make_shared<const MethodBinding<Target, Method>>(target, method, nullptr)) {
    }

    // Keeps the target alive for as long as the delegate is registered somewhere; equal to the
    // delegate made from the plain pointer.
    template <typename Target, typename Method>
    Delegate(const std::shared_ptr<Target>& target, Method method)
        : binding_(std::make_shared<const MethodBinding<Target, Method>>(target.get(), method,
                                                                         target)) {}

    // Does nothing once the target is gone; equal to the delegate made from the plain pointer
    // while the target lives.
    template <typename Target, typename Method>
    Delegate(const std::weak_ptr<Target>& target, Method method)
        : binding_(std::make_shared<const MethodBinding<Target, Method>>(
              target.lock().get(), method, nullptr, target)) {}

    void operator()(Args... args) const { binding_->Call(args...); }

    friend bool operator==(const Delegate& a, const Delegate& b) {
        return a.binding_->SameAs(*b.binding_);
    }

  private:
    struct Binding {
        virtual ~Binding() = default;
        virtual void Call(Args... args) const = 0;
        virtual bool SameAs(const Binding& other) const = 0;
    };

    template <typename Target, typename Method>
    struct MethodBinding final : Binding {
        MethodBinding(Target* t, Method m, std::shared_ptr<Target> owner,
                      std::optional<std::weak_ptr<Target>> watch = std::nullopt)
            : target(t), method(m), keepAlive(std::move(owner)), watched(std::move(watch)) {}
        void Call(Args... args) const override {
            if (!watched) {
                (target->*method)(args...);
            } else if (const auto alive = watched->lock()) {
                // Held for the call: the target cannot go while its own method runs.
                (alive.get()->*method)(args...);
            }
        }
        bool SameAs(const Binding& other) const override {
            const auto* o = dynamic_cast<const MethodBinding*>(&other);
            return o != nullptr && o->target == target && o->method == method;
        }
        Target* target;
        Method method;
        std::shared_ptr<Target> keepAlive;
        std::optional<std::weak_ptr<Target>> watched;
    };

    // Shared so that a copy taken for a call survives the handler removing itself.
    std::shared_ptr<const Binding> binding_;
};

// Bind(this, &Menu::StartGame) reads better at the call site than the constructor.
template <typename... Args, typename Target, typename Method>
Delegate<Args...> Bind(Target* target, Method method) {
    return Delegate<Args...>(target, method);
}

template <typename... Args, typename Target, typename Method>
Delegate<Args...> Bind(const std::shared_ptr<Target>& target, Method method) {
    return Delegate<Args...>(target, method);
}

template <typename... Args, typename Target, typename Method>
Delegate<Args...> Bind(const std::weak_ptr<Target>& target, Method method) {
    return Delegate<Args...>(target, method);
}

}  // namespace common
