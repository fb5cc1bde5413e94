// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextEdit.h"

#include "Common/Utf8.h"
#include "Frame.h"
#include "ZudeRezede2D/Input/Keys.h"
#include "ZudeRezede2D/Scene/Scene.h"

namespace zr2d {

using common::Point3D;

namespace {

bool Held(std::span<const uint8_t> keys, Keys key) {
    const auto index = static_cast<size_t>(key);
    return index < keys.size() && keys[index] != 0;
}

}  // namespace

TextEdit::TextEdit(zr2d::Frame& frame, const std::string& id, const common::Rect& rect,
                   const std::string& text)
    : TextEdit(frame, MakeParts(frame, id, text), rect) {}

// Built before the control part, as the field is named after its text node.
TextEdit::Parts TextEdit::MakeParts(zr2d::Frame& frame, const std::string& id,
                                    const std::string& text) {
    NodeFactory& factory = frame.Scene().NodeFactory();
    Parts parts{factory.CreateTextNode(id, Point3D(0, 0, 0.1f), frame.Font(), text),
                factory.CreateTextNode(id + "_cursor", Point3D(0, 0, 0.1f), frame.Font(), "l")};
    parts.cursor->SetVisible(false);
    return parts;
}

TextEdit::TextEdit(zr2d::Frame& frame, Parts parts, const common::Rect& rect)
    : Control(parts.text->Name(), frame, WidgetType::TextEdit, rect, true, -1),
      textNode_(std::move(parts.text)),
      cursorNode_(std::move(parts.cursor)),
      cursorFade_(NodeFadeTransparent::Create(frame.Scene(), cursorNode_, 0, 22, 22, false)) {
    AddChild(textNode_);
    AddChild(cursorNode_);
    ActiveChanged().Add(common::Bind<>(this, &TextEdit::OnActiveChanged));
}

TextEdit::~TextEdit() { cursorFade_->Stop(); }

bool TextEdit::AcceptText(const std::string&) const { return true; }

void TextEdit::SetText(const std::string& text) {
    textNode_->SetText(text);
    PlaceCursor();
    textChanged_.Raise();
}

void TextEdit::SetAlignLeft(bool alignLeft) {
    textNode_->SetAlignLeft(alignLeft);
    textNode_->SetPosition(alignLeft ? Point3D(0, 0, 0.1f) : Point3D(Size().X() - 3, 0, 0.1f));
}

void TextEdit::OnInput(bool inArea, EventType kind, std::span<const uint8_t> keys,
                       const std::optional<common::Point2D>& mouse) {
    Control::OnInput(inArea, kind, keys, mouse);
    if (!IsActive() || kind != EventType::KeyPress) return;
    HandleKey(keys);
    PlaceCursor();
}

void TextEdit::HandleKey(std::span<const uint8_t> keys) {
    const EventManager& events = *Frame().Scene().EventManager();
    // The key of the event counts as well as the key state: a key pressed and released within
    // one frame is already up in the state when its press is handled.
    const Keys key = events.LastKey();
    if (Held(keys, Keys::Backspace) || key == Keys::Backspace) {
        textNode_->SetText(Text().size() > 1 ? common::Utf8::WithoutLastCharacter(Text()) : "");
        textChanged_.Raise();
    } else if (Held(keys, Keys::Return) || Held(keys, Keys::KeypadEnter) || IsEnter(key)) {
        enterPressed_.Raise();
    } else {
        const std::string typed = events.TypedText();
        if (typed.empty() || static_cast<int64_t>(Text().size()) >= maxLength_ ||
            !AcceptText(typed)) {
            return;
        }
        textNode_->SetText(Text() + typed);
        textChanged_.Raise();
    }
}

void TextEdit::PlaceCursor() {
    if (textNode_->AlignLeft()) {
        cursorNode_->SetPosition(
            textNode_->Position().Add(Point3D(textNode_->Size().X() + 3, 2, 0.5f)));
    } else {
        cursorNode_->SetPosition(Point3D(Size().X() - 3, 2, 0.5f));
    }
}

void TextEdit::BlinkCursor() {
    if (IsActive()) {
        cursorFade_->SetTargetValue(cursorNode_->Visible() ? 0 : 255);
    } else if (cursorNode_->Visible()) {
        cursorFade_->SetTargetValue(0);
    }
}

void TextEdit::CursorFadeFinished(std::shared_ptr<Node>) { BlinkCursor(); }

void TextEdit::OnActiveChanged() {
    if (!followsCursorFade_) {
        // Weakly: the running fade belongs to the scene's animation manager and may outlive
        // the field.
        cursorFade_->Finished().Add(common::Bind<std::shared_ptr<Node>>(
            std::weak_ptr<TextEdit>(std::static_pointer_cast<TextEdit>(shared_from_this())),
            &TextEdit::CursorFadeFinished));
        followsCursorFade_ = true;
    }
    BlinkCursor();
    if (IsActive()) PlaceCursor();
}

}  // namespace zr2d
