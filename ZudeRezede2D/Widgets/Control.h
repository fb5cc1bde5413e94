// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "Common/Event.h"
#include "Common/Point2D.h"
#include "Common/Rect.h"
#include "WidgetNodeType.h"
#include "WidgetType.h"
#include "ZudeRezede2D/Input/EventType.h"
#include "ZudeRezede2D/Input/InputHandler.h"
#include "ZudeRezede2D/Scene/Node.h"

namespace zr2d {

class Frame;

// Base of every widget: a node named "ctrl_" + id whose graphic parts come from its frame's node
// creator. It registers its input handler with the frame (not the scene) at its first draw,
// shows its mouse-over part while the pointer is inside, becomes active when clicked and can
// carry an information text for the frame's information line.
//
// The frame owns its controls through the node tree, so the back link to it is a plain
// reference. The input handler holds the control weakly: a handler outliving its control does
// nothing.
class Control : public Node {
  public:
    Control(const std::string& id, zr2d::Frame& frame, zr2d::WidgetType type,
            const common::Rect& rect, bool receivesInput, int32_t number);

    // Withdraws the input registration: a disposed control takes no more input.
    void DisposeNode(GameEngine& engine) override;
    // Registers or moves the input area, so that it follows the control every frame it is drawn.
    void Draw(GameEngine& engine) override;

    virtual common::EventAddHandler<>& ActiveChanged() { return activeChanged_.AddHandler(); }
    virtual void SetInfoText(const std::string& text) { infoText_ = text; }
    // The frame creator's node for the part (appended as a child), or null. A node for Sound
    // throws common::Exception.
    virtual std::shared_ptr<Node> CreatePartNode(WidgetNodeType part);
    // Subclasses extend this and call it first.
    virtual void OnInput(bool inArea, EventType kind, std::span<const uint8_t> keys,
                         const std::optional<common::Point2D>& mouse);
    virtual bool IsActive() const { return active_; }
    // Raises ActiveChanged when the value changes.
    virtual void SetActive(bool active);
    virtual zr2d::Frame& Frame() const { return frame_; }
    virtual int32_t Number() const { return number_; }
    virtual zr2d::WidgetType WidgetType() const { return widgetType_; }
    virtual const std::shared_ptr<Node>& BackgroundNode() const { return backgroundNode_; }
    virtual bool Enabled() const { return enabled_; }
    // What a click on the control plays; the look sets it when asked for the Sound part.
    void SetClickSound(std::function<void()> sound) { clickSound_ = std::move(sound); }
    // Disabled controls are drawn at transparency 128 and show no mouse-over part. Visibility
    // is kept: enabling a hidden control does not show it.
    virtual void SetEnabled(bool enabled);

    void UpdateInputArea();

  protected:
    // Called by the controls that take clicks, before their handlers run.
    void PlayClickSound() const {
        if (clickSound_) clickSound_();
    }

  private:
    zr2d::WidgetType widgetType_;
    zr2d::Frame& frame_;
    std::shared_ptr<InputHandler> inputHandler_;
    std::shared_ptr<Node> mouseOverNode_;
    std::shared_ptr<Node> backgroundNode_;
    std::string infoText_;
    int32_t number_;
    bool active_ = false;
    bool receivesInput_;
    bool enabled_ = true;
    bool disposed_ = false;
    common::Event<> activeChanged_;
    std::function<void()> clickSound_;
};

}  // namespace zr2d
