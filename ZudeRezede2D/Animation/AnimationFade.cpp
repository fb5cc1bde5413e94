// SPDX-License-Identifier: GPL-3.0-or-later
#include "AnimationFade.h"

#include <algorithm>

#include "Common/Exception.h"
#include "Common/Helper.h"

namespace zr2d {

AnimationFade::AnimationFade(std::shared_ptr<Node> nodeIn, std::shared_ptr<Node> nodeOut,
                             float fadeSpeed)
    : Animation(false), nodeIn_(std::move(nodeIn)), nodeOut_(std::move(nodeOut)) {
    SetFadeSpeed(fadeSpeed);
}

void AnimationFade::OnStart() {
    progress_ = 0;
    begun_ = false;
}

void AnimationFade::Animate(uint32_t time) {
    if (progress_ >= 255) return;
    if (!begun_) {
        if (nodeIn_) nodeIn_->SetVisible(true);
        begun_ = true;
    }
    // From the whole elapsed time rather than summed per frame, so that rounding cannot keep
    // the fade just short of 255 at the frame that reaches its full time.
    progress_ =
        static_cast<float>(std::min(static_cast<double>(time) / 3.9215686 / fadeSpeed_, 255.0));
    if (nodeIn_) nodeIn_->SetTransparency(static_cast<int32_t>(progress_));
    if (nodeOut_) nodeOut_->SetTransparency(static_cast<int32_t>(255 - progress_));
    if (progress_ == 255) {
        if (nodeOut_) nodeOut_->SetVisible(false);
        Stop();
        if (finished_) finished_();
    }
}

void AnimationFade::SetFadeSpeed(float seconds) {
    if (!(seconds > 0)) {
        throw common::Exception("Ungültiger Wert: " + common::Helper::FloatToString(seconds) +
                                " für fadeSpeed");
    }
    fadeSpeed_ = seconds;
}

void AnimationFade::SetNodeIn(std::shared_ptr<Node> node) {
    if (IsRunning()) throw common::Exception("Node kann nicht gesetzt, fading ist aktiv");
    nodeIn_ = std::move(node);
}

void AnimationFade::SetNodeOut(std::shared_ptr<Node> node) {
    if (IsRunning()) throw common::Exception("Node kann nicht gesetzt, fading ist aktiv");
    nodeOut_ = std::move(node);
}

}  // namespace zr2d
