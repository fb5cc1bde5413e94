// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "Common/Event.h"
#include "Control.h"
#include "ZudeRezede2D/Helper/NodeFadeTransparent.h"
#include "ZudeRezede2D/Scene/TextNode.h"

namespace zr2d {

// A one-line text field. While active (clicked into) it appends the character of each key
// press, deletes the last character on Backspace, raises EnterPressed on Return or the number
// pad's Enter, and shows a blinking cursor behind the text.
class TextEdit : public Control {
  public:
    TextEdit(zr2d::Frame& frame, const std::string& id, const common::Rect& rect,
             const std::string& text);
    ~TextEdit() override;

    void OnInput(bool inArea, EventType kind, std::span<const uint8_t> keys,
                 const std::optional<common::Point2D>& mouse) override;

    // Raised after every change of the text, SetText included.
    virtual common::EventAddHandler<>& TextChanged() { return textChanged_.AddHandler(); }
    virtual common::EventAddHandler<>& EnterPressed() { return enterPressed_.AddHandler(); }
    // In bytes of UTF-8: a character is appended while the text is shorter, so the last one
    // may go past it (a two-byte umlaut onto fifteen bytes of sixteen).
    virtual int32_t MaxLength() const { return maxLength_; }
    virtual void SetMaxLength(int32_t maxLength) { maxLength_ = maxLength; }
    // Whether a typed text may be appended.
    virtual bool AcceptText(const std::string& text) const;
    virtual const std::string& Text() const { return textNode_->Text(); }
    // Raises TextChanged even when the text stays the same; the cursor goes to the text's end.
    virtual void SetText(const std::string& text);
    // Right-aligned text ends 3 units before the right edge.
    virtual void SetAlignLeft(bool alignLeft);

  private:
    struct Parts {
        std::shared_ptr<zr2d::TextNode> text;
        std::shared_ptr<zr2d::TextNode> cursor;
    };
    static Parts MakeParts(zr2d::Frame& frame, const std::string& id, const std::string& text);
    TextEdit(zr2d::Frame& frame, Parts parts, const common::Rect& rect);

    void HandleKey(std::span<const uint8_t> keys);
    void BlinkCursor();
    void CursorFadeFinished(std::shared_ptr<Node> cursor);
    void PlaceCursor();
    void OnActiveChanged();

    std::shared_ptr<zr2d::TextNode> textNode_;
    std::shared_ptr<zr2d::TextNode> cursorNode_;
    std::shared_ptr<NodeFadeTransparent> cursorFade_;
    // The cursor fade is followed from the first activation on, when the field has an owner.
    bool followsCursorFade_ = false;
    int32_t maxLength_ = 16;
    common::Event<> enterPressed_;
    common::Event<> textChanged_;
};

}  // namespace zr2d
