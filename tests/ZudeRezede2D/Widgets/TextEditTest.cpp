// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "WidgetFixture.h"
#include "ZudeRezede2D/Widgets/NumberEdit.h"
#include "ZudeRezede2D/Widgets/TextEdit.h"

using common::Point3D;
using common::Rect;

namespace zr2d::test {
namespace {

class TextEditTest : public WidgetTest {
  protected:
    TextEditTest() {
        Main().AddTextEdit("te", Rect(Point3D(10, 10, 0), Point3D(200, 20, 0)), "");
        edit_ = std::static_pointer_cast<TextEdit>(Main().GetControl("te"));
        edit_->TextChanged().Add(common::Bind<>(&changes_, &Counter::Count));
        edit_->EnterPressed().Add(common::Bind<>(&enters_, &Counter::Count));
        Draw();
    }
    void Activate() { ClickAt(115, 115); }
    std::shared_ptr<Node> Cursor() { return edit_->Children().Find("te_cursor"); }

    std::shared_ptr<TextEdit> edit_;
    Counter changes_;
    Counter enters_;
};

}  // namespace

TEST_F(TextEditTest, TypingNeedsAnActiveField) {
    Type("ab");
    EXPECT_EQ(edit_->Text(), "");
    Activate();
    MoveTo(20, 20);  // the pointer may leave the frame: keys still arrive
    Type("ab Z");
    EXPECT_EQ(edit_->Text(), "ab Z");
    EXPECT_EQ(changes_.count, 4);
    PressKey(SDLK_LEFT);  // no character
    EXPECT_EQ(changes_.count, 4);
    ClickAt(300, 300);  // elsewhere in the frame
    Type("c");
    EXPECT_EQ(edit_->Text(), "ab Z");
}

TEST_F(TextEditTest, MaxLengthCountsUtf8Bytes) {
    Activate();
    edit_->SetText("123456789012345");  // 15 bytes of 16
    Type("\xE4");                       // ä, two bytes: still taken
    EXPECT_EQ(edit_->Text(), "123456789012345ä");
    Type("x");
    EXPECT_EQ(edit_->Text().size(), 17u);
    edit_->SetMaxLength(20);
    Type("xyzw");
    EXPECT_EQ(edit_->Text(), "123456789012345äxyz");
}

TEST_F(TextEditTest, BackspaceRemovesWholeCharactersAndReturnRaisesEnter) {
    Activate();
    edit_->SetText("ä");
    PressKey(SDLK_BACKSPACE, 8);
    EXPECT_EQ(edit_->Text(), "");
    PressKey(SDLK_BACKSPACE, 8);  // nothing left: still a change
    edit_->SetText("aä");
    PressKey(SDLK_BACKSPACE, 8);
    EXPECT_EQ(edit_->Text(), "a");
    const int changes = changes_.count;
    PressKey(SDLK_RETURN, 13);
    EXPECT_EQ(enters_.count, 1);
    EXPECT_EQ(edit_->Text(), "a");
    EXPECT_EQ(changes_.count, changes);
    // The number pad's Enter is Enter too.
    PressKey(SDLK_KP_ENTER, 13);
    EXPECT_EQ(enters_.count, 2);
    EXPECT_EQ(edit_->Text(), "a");
    EXPECT_EQ(changes_.count, changes);

    // Both held: Backspace wins.
    SDL_GetKeyState(nullptr)[SDLK_RETURN] = 1;
    PressKey(SDLK_BACKSPACE, 8);
    SDL_GetKeyState(nullptr)[SDLK_RETURN] = 0;
    EXPECT_EQ(edit_->Text(), "");
    EXPECT_EQ(enters_.count, 2);

    edit_->SetText("");  // unchanged text, still reported
    EXPECT_EQ(changes_.count, changes + 2);
}

// Pressed and released within one frame: the key state says "up" when the press is handled.
TEST_F(TextEditTest, KeysReleasedBeforeTheirPressIsHandledStillCount) {
    Activate();
    TapKey(SDLK_a, 'a');
    TapKey(SDLK_b, 'b');
    TapKey(SDLK_BACKSPACE, 8);
    EXPECT_EQ(edit_->Text(), "a");
    TapKey(SDLK_RETURN, 13);
    EXPECT_EQ(enters_.count, 1);
    TapKey(SDLK_KP_ENTER, 13);
    EXPECT_EQ(enters_.count, 2);
    // Return as the event's key with Backspace held counts as Backspace.
    SDL_GetKeyState(nullptr)[SDLK_BACKSPACE] = 1;
    TapKey(SDLK_RETURN, 13);
    SDL_GetKeyState(nullptr)[SDLK_BACKSPACE] = 0;
    EXPECT_EQ(edit_->Text(), "");
    EXPECT_EQ(enters_.count, 2);
    // A letter typed while the number pad's Enter is held counts as Enter, as with Return.
    SDL_GetKeyState(nullptr)[SDLK_KP_ENTER] = 1;
    TapKey(SDLK_x, 'x');
    SDL_GetKeyState(nullptr)[SDLK_KP_ENTER] = 0;
    EXPECT_EQ(edit_->Text(), "");
    EXPECT_EQ(enters_.count, 3);
}

TEST_F(TextEditTest, NumberEditTakesDigitsOnly) {
    Main().AddNumberEdit("zahl", Rect(Point3D(10, 50, 0), Point3D(100, 20, 0)), "");
    const auto number = std::static_pointer_cast<TextEdit>(Main().GetControl("zahl"));
    Draw();
    ClickAt(115, 155);
    Type("a- 0x7.\xE4");
    EXPECT_EQ(number->Text(), "07");
    EXPECT_TRUE(number->AcceptText("-5"));
    EXPECT_FALSE(number->AcceptText("00"));
    EXPECT_FALSE(number->AcceptText("12a"));
}

TEST_F(TextEditTest, TheCursorFollowsTheTextAndBlinksOnlyWhileActive) {
    EXPECT_FALSE(Cursor()->Visible());
    edit_->SetText("abc");
    Activate();
    const auto text = edit_->Children().Find("te");
    EXPECT_EQ(Cursor()->Position().X(), text->Size().X() + 3);
    EXPECT_EQ(Cursor()->Position().Y(), 2);
    Type("d");
    EXPECT_EQ(Cursor()->Position().X(), text->Size().X() + 3);
    // A text set while the field is active: the cursor goes to its end without a key press,
    // behind a longer text and back to a shorter one.
    edit_->SetText("Maximilian Mustermann");
    EXPECT_EQ(Cursor()->Position().X(), text->Size().X() + 3);
    edit_->SetText("Al");
    EXPECT_EQ(Cursor()->Position().X(), text->Size().X() + 3);

    // Fades in and out while active.
    uint32_t ticks = 1000;
    std::vector<int> seen;
    for (int frame = 0; frame < 80; ++frame) {
        DrawFrame(ticks += 16);
        seen.push_back(Cursor()->Transparency());
    }
    EXPECT_NE(std::find(seen.begin(), seen.end(), 255), seen.end());
    const auto hiddenAgain = std::find(std::find(seen.begin(), seen.end(), 255), seen.end(), 0);
    EXPECT_NE(hiddenAgain, seen.end());

    // Inactive: fades out once and stays hidden.
    ClickAt(300, 300);
    for (int frame = 0; frame < 80; ++frame) DrawFrame(ticks += 16);
    EXPECT_FALSE(Cursor()->Visible());

    edit_->SetAlignLeft(false);
    EXPECT_EQ(text->Position().X(), 197);
    Activate();
    EXPECT_EQ(Cursor()->Position().X(), 197);
}

}  // namespace zr2d::test
