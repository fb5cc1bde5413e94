// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "Common/Exception.h"
#include "WidgetFixture.h"
#include "ZudeRezede2D/Widgets/Button.h"
#include "ZudeRezede2D/Widgets/TextEdit.h"

using common::Point3D;
using common::Rect;

namespace zr2d::test {
namespace {

using ButtonTest = WidgetTest;

}  // namespace

TEST_F(ButtonTest, ClicksInsideAnEnabledButtonRaiseClicked) {
    Counter clicks;
    frame_->ShowInfoLine(Point3D(0, 280, 0));
    Main().AddImageButton(WhitePicture(20, 20), Point3D(10, 10, 0),
                          common::Bind<>(&clicks, &Counter::Count), "", "Ein Bild");
    const auto button = std::static_pointer_cast<Button>(Main().GetControl(WhitePicture(20, 20)));
    EXPECT_EQ(button->TextNode(), nullptr);
    EXPECT_EQ(button->Size().X(), 20);
    Draw();
    MoveTo(115, 115);
    ClickAt(130, 115);  // beside it, in the frame
    EXPECT_EQ(clicks.count, 0);
    ClickAt(115, 115);
    EXPECT_EQ(clicks.count, 1);

    frame_->SetInfoText("");
    button->SetEnabled(false);
    MoveTo(116, 116);
    ClickAt(115, 115);
    EXPECT_EQ(clicks.count, 1);
    const auto info = std::static_pointer_cast<TextNode>(frame_->Children().Find("f_info"));
    EXPECT_EQ(info->Text(), "Ein Bild");  // still told while disabled
    button->SetEnabled(true);
    ClickAt(115, 115);
    EXPECT_EQ(clicks.count, 2);
}

TEST_F(ButtonTest, PictureAndTextAreClickableWhereTheyAreDrawn) {
    Counter clicks;
    Main().AddImageButton(WhitePicture(40, 60), Point3D(10, 10, 0),
                          common::Bind<>(&clicks, &Counter::Count), "beides", "", "Text");
    const auto button = std::static_pointer_cast<Button>(Main().GetControl("beides"));
    const auto text = button->TextNode();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->Name(), "btn_Text_f");
    EXPECT_EQ(text->Position().X(), 46);
    EXPECT_EQ(text->Position().Y(), (60 - text->Size().Y()) / 2);
    EXPECT_EQ(button->Size().X(), 46 + text->Size().X());
    EXPECT_EQ(button->Size().Y(), 60);
    Draw();
    // The last letters of the text, well right of where the text alone would reach.
    ClickAt(110 + 46 + static_cast<int>(text->Size().X()) - 2, 140);
    EXPECT_EQ(clicks.count, 1);
    ClickAt(112, 165);  // the picture's lower part
    EXPECT_EQ(clicks.count, 2);
    DrawFrame();
    EXPECT_EQ(Pixel(112, 165).Rgb(), (std::array<int, 3>{255, 255, 255}));

    // A text taller than the picture: the picture is centred on the text.
    Main().AddImageButton(WhitePicture(8, 8), Point3D(10, 100, 0),
                          common::Bind<>(&clicks, &Counter::Count), "klein", "", "Hoch");
    const auto small = std::static_pointer_cast<Button>(Main().GetControl("klein"));
    EXPECT_EQ(small->TextNode()->Position().Y(), 0);
    EXPECT_EQ(small->ContentNode()->Position().Y(), (small->TextNode()->Size().Y() - 8) / 2);
    EXPECT_EQ(small->Size().Y(), small->TextNode()->Size().Y());

    try {
        Main().AddImageButton("", Point3D(0, 0, 0), common::Bind<>(&clicks, &Counter::Count),
                              "leer");
        ADD_FAILURE() << "no exception";
    } catch (const common::Exception& e) {
        EXPECT_EQ(std::string(e.what()),
                  "Button leer kann nicht erstellt werden, es ist weder Text noch Bild angegeben.");
    }
    EXPECT_EQ(Main().Controls().size(), 2u);
}

TEST_F(ButtonTest, AWrappedNodeBecomesTheButton) {
    Counter clicks;
    auto content = scene_->NodeFactory().CreateColorNode(
        "rot", Rect(Point3D(50, 60, 0), Point3D(30, 20, 0)), common::Color(255, 0, 0, 255));
    Main().AddNodeButton(content, common::Bind<>(&clicks, &Counter::Count));
    const auto button = Main().GetControl("rot");
    EXPECT_EQ(button->Position().X(), 50);
    EXPECT_EQ(content->Position().X(), 0);
    EXPECT_EQ(content->Parent(), button.get());
    Draw();
    DrawFrame();
    EXPECT_EQ(Pixel(165, 175).Rgb(), (std::array<int, 3>{255, 0, 0}));
    ClickAt(165, 175);
    EXPECT_EQ(clicks.count, 1);
}

// The game's "Beenden": a click handler shows another scene and disposes the one whose button
// is being dispatched. Controls registered after the button still come in that dispatch.
TEST_F(ButtonTest, AClickHandlerMayReplaceAndDisposeTheScene) {
    struct Leave {
        std::shared_ptr<Scene> next;
        int frames = 0;
        void Go() { next->ShowScene(true); }
        // One whole frame after the click, so that the engine lets go of the old scene.
        void Frame() {
            if (++frames == 2) PushQuit();
        }
    } leave{engine_->CreateScene("Menu")};
    engine_->FrameEvent().Add(common::Bind<>(&leave, &Leave::Frame));
    Main().AddTextButton("Beenden", Point3D(10, 10, 0), common::Bind<>(&leave, &Leave::Go));
    Main().AddTextEdit("eingabe", Rect(Point3D(10, 10, 0), Point3D(100, 20, 0)), "");
    std::weak_ptr<Scene> old = scene_;
    std::weak_ptr<Node> frame = frame_;
    Draw();
    Push(Click(115, 115));
    frame_.reset();
    scene_.reset();
    engine_->Run();
    EXPECT_EQ(engine_->CurrentScene(), leave.next);
    EXPECT_TRUE(old.expired());  // released once the frame had unwound
    EXPECT_TRUE(frame.expired());
    scene_ = leave.next;
}

// The menu's exit: a click handler disposes the whole engine; the loop stops.
TEST_F(ButtonTest, AClickHandlerMayDisposeTheEngine) {
    struct Exit {
        GameEngine* engine;
        void Go() { engine->Dispose(); }
    } exit{engine_.get()};
    Main().AddTextButton("Ende", Point3D(10, 10, 0), common::Bind<>(&exit, &Exit::Go));
    Main().AddSpace("danach", Rect(Point3D(10, 10, 0), Point3D(50, 50, 0)), "");
    Draw();
    Push(Click(115, 115));
    engine_->Run();
    EXPECT_FALSE(engine_->IsRunning());
    EXPECT_FALSE(Main().GetControl("danach")->IsActive());  // disposed before its turn
}

}  // namespace zr2d::test
