// SPDX-License-Identifier: GPL-3.0-or-later
#include "Button.h"

#include <algorithm>

#include "Common/Exception.h"
#include "Frame.h"
#include "ZudeRezede2D/Scene/Scene.h"

namespace zr2d {

using common::Point3D;

Button::Button(zr2d::Frame& frame, const Point3D& position, const common::Delegate<>& onClick,
               const std::string& id, const std::string& image, const std::string& text,
               const std::string& infoText)
    : Button(frame, position, onClick, id, MakeParts(frame, id, image, text), infoText) {}

// Built before the control part, which takes their size.
Button::Parts Button::MakeParts(zr2d::Frame& frame, const std::string& id, const std::string& image,
                                const std::string& text) {
    if (image.empty() && text.empty()) {
        throw common::Exception("Button " + id +
                                " kann nicht erstellt werden, es ist weder Text noch Bild "
                                "angegeben.");
    }
    NodeFactory& factory = frame.Scene().NodeFactory();
    Parts parts{nullptr, nullptr, Point3D(0, 0, 0)};
    if (!image.empty()) parts.picture = factory.CreatePictureNode(image, Point3D(0, 0, 0.1f));
    if (!text.empty()) {
        parts.text = factory.CreateTextNode("btn_" + text + "_" + frame.Name(), Point3D(0, 0, 0.1f),
                                            frame.Font(), text);
    }
    if (parts.picture && parts.text) {
        // The area covers picture, gap and text, so that a click on the text counts too; the
        // lower of the two is centred on the taller one.
        const Point3D picture = parts.picture->Size();
        const Point3D label = parts.text->Size();
        const float gap = picture.X() + 6;
        if (picture.Y() >= label.Y()) {
            parts.text->SetPosition(Point3D(gap, (picture.Y() - label.Y()) / 2, 0.1f));
        } else {
            parts.text->SetPosition(Point3D(gap, 0, 0.1f));
            parts.picture->SetPosition(Point3D(0, (label.Y() - picture.Y()) / 2, 0.1f));
        }
        parts.size = Point3D(gap + label.X(), std::max(picture.Y(), label.Y()), 0);
    } else {
        parts.size = parts.text ? parts.text->Size() : parts.picture->Size();
    }
    return parts;
}

Button::Button(zr2d::Frame& frame, const Point3D& position, const common::Delegate<>& onClick,
               const std::string& id, Parts parts, const std::string& infoText)
    : Control(id, frame, WidgetType::Button, common::Rect(position, parts.size), true, -1),
      textNode_(std::move(parts.text)),
      contentNode_(std::move(parts.picture)) {
    if (textNode_) AddChild(textNode_);
    if (contentNode_) AddChild(contentNode_);
    Clicked().Add(onClick);
    if (!infoText.empty()) SetInfoText(infoText);
}

Button::Button(zr2d::Frame& frame, const std::shared_ptr<Node>& content,
               const common::Delegate<>& onClick)
    : Control(content->Name(), frame, WidgetType::Button,
              common::Rect(content->Position(), content->Size()), true, -1),
      contentNode_(content) {
    content->SetPosition(Point3D(0, 0, 0));
    AddChild(content);
    Clicked().Add(onClick);
}

void Button::OnInput(bool inArea, EventType kind, std::span<const uint8_t> keys,
                     const std::optional<common::Point2D>& mouse) {
    Control::OnInput(inArea, kind, keys, mouse);
    if (!Enabled()) return;
    // The handlers may replace the scene: nothing of this button is touched afterwards.
    if (inArea && kind == EventType::MouseClick) {
        PlayClickSound();
        clicked_.Raise();
    }
}

}  // namespace zr2d
