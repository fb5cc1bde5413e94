#include "Animation.h"

namespace zr2d {

Animation::~Animation() {
    if (!running_) return;
    if (const auto manager = manager_.lock()) manager->Unregister(StepHandler());
}

void Animation::Start(const std::shared_ptr<AnimationManager>& manager) {
    if (running_) return;
    manager_ = manager;
    startTime_ = manager->Time();
    manager->Register(StepHandler());
    lastElapsed_ = 0;
    OnStart();
    running_ = true;
}

void Animation::Stop() {
    if (!running_) return;
    running_ = false;
    OnStop();
    startTime_ = 0;
    if (const auto manager = manager_.lock()) manager->Unregister(StepHandler());
    stopped_.Raise();
}

void Animation::Step(uint32_t time) {
    // Keeps this animation alive when a handler drops the last reference to it mid-step.
    const auto self = weak_from_this().lock();
    elapsed_ = time - startTime_;
    Animate(deltaMode_ ? elapsed_ - lastElapsed_ : elapsed_);
    lastElapsed_ = elapsed_;
    updated_.Raise();
}

}  // namespace zr2d
