// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace zr2d {

// Subscribes an object to someone else's event without tying their lifetimes together: the
// event keeps only this relay alive, and the object detaches it when it dies. Binding the
// object itself would either leave a dangling pointer in the event or, when the event belongs
// to an animation the object holds, make a cycle that is never freed.
template <typename Target>
class TriggerRelay {
  public:
    using Method = void (Target::*)();

    TriggerRelay(Target* target, Method method) : target_(target), method_(method) {}

    void Fire() {
        if (target_) (target_->*method_)();
    }
    void Detach() { target_ = nullptr; }

  private:
    Target* target_;
    Method method_;
};

}  // namespace zr2d
