// SPDX-License-Identifier: GPL-3.0-or-later
#include "Control.h"

#include "Common/Exception.h"
#include "Common/MyLog.h"
#include "Frame.h"

namespace zr2d {

using common::MyLog;

Control::Control(const std::string& id, zr2d::Frame& frame, zr2d::WidgetType type,
                 const common::Rect& rect, bool receivesInput, int32_t number)
    : Node("ctrl_" + id, rect.Position(), rect.Size()),
      widgetType_(type),
      frame_(frame),
      number_(number),
      receivesInput_(receivesInput) {
    backgroundNode_ = CreatePartNode(WidgetNodeType::Background);
    mouseOverNode_ = CreatePartNode(WidgetNodeType::MouseOver);
    MyLog::Info("Setting Up Sound for Control");
    CreatePartNode(WidgetNodeType::Sound);
    MyLog::Info("Setted Up Sound for Control");
    if (mouseOverNode_) mouseOverNode_->SetVisible(false);
}

std::shared_ptr<Node> Control::CreatePartNode(WidgetNodeType part) {
    auto node = frame_.CreateNode(widgetType_, part, *this);
    if (part == WidgetNodeType::Sound && node) {
        throw common::Exception(
            "Beim WidgetNodeType.Sound dürfen keine grafischen Nodes erstellt werden! Node: " +
            Name());
    }
    if (node) AddChild(node);
    return node;
}

void Control::SetActive(bool active) {
    if (active == active_) return;
    active_ = active;
    activeChanged_.Raise();
}

void Control::SetEnabled(bool enabled) {
    enabled_ = enabled;
    const bool visible = Visible();
    SetTransparency(enabled ? 255 : 128);
    SetVisible(visible);
    if (!enabled && mouseOverNode_) mouseOverNode_->SetVisible(false);
}

void Control::Draw(GameEngine&) { UpdateInputArea(); }

void Control::UpdateInputArea() {
    if (!receivesInput_ || disposed_) return;
    const common::Rect area(AbsolutePosition(), Size());
    if (inputHandler_) {
        inputHandler_->SetArea(area);
        return;
    }
    inputHandler_ = frame_.AddInputHandler(
        area, [weak = weak_from_this()](bool inArea, EventType kind, std::span<const uint8_t> keys,
                                        const std::optional<common::Point2D>& mouse) {
            const auto self = std::static_pointer_cast<Control>(weak.lock());
            // A control disposed during this very dispatch is still in the dispatch's copy.
            if (self && !self->disposed_) self->OnInput(inArea, kind, keys, mouse);
        });
}

void Control::DisposeNode(GameEngine&) {
    disposed_ = true;
    if (inputHandler_) frame_.RemoveInputHandler(inputHandler_);
    inputHandler_.reset();
}

void Control::OnInput(bool inArea, EventType kind, std::span<const uint8_t>,
                      const std::optional<common::Point2D>&) {
    if (mouseOverNode_ && enabled_) mouseOverNode_->SetVisible(inArea);
    if (kind == EventType::MouseClick) SetActive(inArea && enabled_);
    // A frame without an information line has nowhere to show the text.
    if (!infoText_.empty() && inArea && frame_.HasInfoLine()) frame_.SetInfoText(infoText_);
}

}  // namespace zr2d
