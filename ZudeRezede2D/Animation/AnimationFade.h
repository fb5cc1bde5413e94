// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <memory>

#include "Animation.h"
#include "ZudeRezede2D/Scene/Node.h"

namespace zr2d {

// Cross-fades two nodes over fadeSpeed seconds: nodeIn becomes opaque while nodeOut becomes
// transparent and is hidden at the end; then finished is called. Either node may be absent.
class AnimationFade : public Animation {
  public:
    // A fadeSpeed of 0 or less throws like SetFadeSpeed.
    AnimationFade(std::shared_ptr<Node> nodeIn, std::shared_ptr<Node> nodeOut, float fadeSpeed);

    void OnStart() override;
    void Animate(uint32_t time) override;
    void OnStop() override {}
    virtual float FadeSpeed() const { return fadeSpeed_; }
    // Seconds for a whole fade; must be above 0 ("Ungültiger Wert: ... für fadeSpeed").
    virtual void SetFadeSpeed(float seconds);
    virtual const std::shared_ptr<Node>& NodeIn() const { return nodeIn_; }
    // Refused while the fade runs ("Node kann nicht gesetzt, fading ist aktiv").
    virtual void SetNodeIn(std::shared_ptr<Node> node);
    virtual const std::shared_ptr<Node>& NodeOut() const { return nodeOut_; }
    virtual void SetNodeOut(std::shared_ptr<Node> node);
    virtual void SetFinished(std::function<void()> finished) { finished_ = std::move(finished); }

  private:
    std::shared_ptr<Node> nodeIn_;
    std::shared_ptr<Node> nodeOut_;
    bool begun_ = false;
    float progress_ = 0;
    float fadeSpeed_ = 1;
    std::function<void()> finished_;
};

}  // namespace zr2d
