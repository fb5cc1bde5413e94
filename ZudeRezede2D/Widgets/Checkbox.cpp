// SPDX-License-Identifier: GPL-3.0-or-later
#include "Checkbox.h"

#include "Frame.h"
#include "ZudeRezede2D/Scene/Scene.h"

namespace zr2d {

using common::Point3D;

Checkbox::Checkbox(zr2d::Frame& frame, const std::shared_ptr<Node>& content,
                   CheckCallback checkCallback, zr2d::WidgetType type, int32_t number)
    : Control(content->Name() + "_checkBox", frame, type,
              common::Rect(content->Position(), content->Size()), true, number),
      checkCallback_(std::move(checkCallback)),
      contentNode_(content) {
    content->SetPosition(Point3D(0, 0, 0));
    checkNode_ = CreatePartNode(WidgetNodeType::Check);
    if (checkNode_) checkNode_->SetVisible(false);
    AddChild(content);
}

Checkbox::Checkbox(zr2d::Frame& frame, const std::string& id, const std::string& text,
                   const Point3D& position, CheckCallback checkCallback, zr2d::WidgetType type,
                   int32_t number, const std::string& uncheckedImage,
                   const std::string& checkedImage)
    : Checkbox(frame, id, MakeContent(frame, id, text, uncheckedImage), position,
               std::move(checkCallback), type, number, checkedImage) {}

// Built before the control part, which takes its size.
std::shared_ptr<Node> Checkbox::MakeContent(zr2d::Frame& frame, const std::string& id,
                                            const std::string& text,
                                            const std::string& uncheckedImage) {
    NodeFactory& factory = frame.Scene().NodeFactory();
    if (uncheckedImage.empty()) {
        return factory.CreateTextNode(id + "_text", Point3D(0, 0, 0.1f), frame.Font(), text);
    }
    return factory.CreatePictureNode(uncheckedImage, Point3D(0, 0, 0.1f));
}

Checkbox::Checkbox(zr2d::Frame& frame, const std::string& id, std::shared_ptr<Node> content,
                   const Point3D& position, CheckCallback checkCallback, zr2d::WidgetType type,
                   int32_t number, const std::string& checkedImage)
    : Control(id, frame, type, common::Rect(position, content->Size()), true, number),
      checkCallback_(std::move(checkCallback)),
      contentNode_(std::move(content)) {
    if (checkedImage.empty()) {
        checkNode_ = CreatePartNode(WidgetNodeType::Check);
    } else {
        checkNode_ =
            frame.Scene().NodeFactory().CreatePictureNode(checkedImage, Point3D(0, 0, 0.1f));
        AddChild(checkNode_);
        hideContentWhenChecked_ = true;
    }
    if (checkNode_) checkNode_->SetVisible(false);
    AddChild(contentNode_);
}

void Checkbox::SetChecked(bool checked) {
    if (checked == checked_) return;
    checked_ = checked;
    if (checkNode_) checkNode_->SetVisible(checked_);
    if (hideContentWhenChecked_) contentNode_->SetVisible(!checked_);
    if (checked_) becameChecked_.Raise();
}

void Checkbox::ApplyInitialState(bool checked) {
    if (checked) SetChecked(Decide(true));
}

bool Checkbox::Decide(bool requested) {
    return checkCallback_ ? checkCallback_(requested, *this) : requested;
}

void Checkbox::OnInput(bool inArea, EventType kind, std::span<const uint8_t> keys,
                       const std::optional<common::Point2D>& mouse) {
    Control::OnInput(inArea, kind, keys, mouse);
    if (Enabled() && inArea && kind == EventType::MouseClick) {
        PlayClickSound();
        SetChecked(Decide(!checked_));
    }
}

void Checkbox::SetContentNode(const std::shared_ptr<Node>& node) {
    if (contentNode_) contentNode_->SetVisible(false);
    contentNode_ = node;
    AddChild(node);
}

}  // namespace zr2d
