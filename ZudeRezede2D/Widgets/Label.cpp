// SPDX-License-Identifier: GPL-3.0-or-later
#include "Label.h"

#include "Frame.h"
#include "ZudeRezede2D/Scene/Scene.h"

namespace zr2d {

using common::Point3D;

Label::Label(zr2d::Frame& frame, const std::string& text, const Point3D& position,
             const std::string& id)
    : Label(frame,
            frame.Scene().NodeFactory().CreateTextNode(text, Point3D(0, 0, 0), frame.Font(), text),
            position, id) {}

// The text node exists before the control part, which takes its size.
Label::Label(zr2d::Frame& frame, std::shared_ptr<zr2d::TextNode> textNode, const Point3D& position,
             const std::string& id)
    : Control(id, frame, WidgetType::Label, common::Rect(position, textNode->Size()), false, -1),
      textNode_(std::move(textNode)) {
    AddChild(textNode_);
}

}  // namespace zr2d
