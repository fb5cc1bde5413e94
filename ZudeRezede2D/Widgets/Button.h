// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>

#include "Common/Delegate.h"
#include "Common/Event.h"
#include "Control.h"
#include "ZudeRezede2D/Scene/TextNode.h"

namespace zr2d {

// Shows a text, a picture, both, or a wrapped node, and raises Clicked on a click (left button
// released) inside it while it is enabled. The handlers run inside the input dispatch and may
// replace the whole scene.
class Button : public Control {
  public:
    // Text and/or picture; with both, the text stands 6 units right of the picture and the two
    // are centred on each other vertically. Neither throws "Button <id> kann nicht erstellt
    // werden, es ist weder Text noch Bild angegeben.".
    Button(zr2d::Frame& frame, const common::Point3D& position, const common::Delegate<>& onClick,
           const std::string& id, const std::string& image, const std::string& text,
           const std::string& infoText);
    // Takes the content's place and name; the content moves to the button's origin.
    Button(zr2d::Frame& frame, const std::shared_ptr<Node>& content,
           const common::Delegate<>& onClick);

    void OnInput(bool inArea, EventType kind, std::span<const uint8_t> keys,
                 const std::optional<common::Point2D>& mouse) override;

    virtual const std::shared_ptr<zr2d::TextNode>& TextNode() const { return textNode_; }
    virtual const std::shared_ptr<Node>& ContentNode() const { return contentNode_; }
    // Only the reference: the children stay as they are.
    virtual void SetContentNode(const std::shared_ptr<Node>& node) { contentNode_ = node; }
    virtual common::EventAddHandler<>& Clicked() { return clicked_.AddHandler(); }

  private:
    struct Parts {
        std::shared_ptr<zr2d::TextNode> text;
        std::shared_ptr<Node> picture;
        common::Point3D size;
    };
    static Parts MakeParts(zr2d::Frame& frame, const std::string& id, const std::string& image,
                           const std::string& text);
    Button(zr2d::Frame& frame, const common::Point3D& position, const common::Delegate<>& onClick,
           const std::string& id, Parts parts, const std::string& infoText);

    common::Event<> clicked_;
    std::shared_ptr<zr2d::TextNode> textNode_;
    std::shared_ptr<Node> contentNode_;
};

}  // namespace zr2d
