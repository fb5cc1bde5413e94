// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "Common/Exception.h"
#include "WidgetFixture.h"
#include "ZudeRezede2D/Widgets/Control.h"
#include "ZudeRezede2D/Widgets/Space.h"

using common::Point2D;
using common::Point3D;
using common::Rect;

namespace zr2d::test {
namespace {

// A control that records what reaches it.
class Probe : public Control {
  public:
    Probe(zr2d::Frame& frame, const Rect& rect)
        : Control("probe", frame, WidgetType::Space, rect, true, 5) {}
    void OnInput(bool inArea, EventType kind, std::span<const uint8_t> keys,
                 const std::optional<Point2D>& mouse) override {
        Control::OnInput(inArea, kind, keys, mouse);
        seen.push_back(std::string(inArea ? "in" : "out") + std::to_string(static_cast<int>(kind)) +
                       (mouse ? "@" + mouse->ToText() : ""));
    }
    std::vector<std::string> seen;
};

struct ClickLog {
    std::vector<std::string> positions;
    void Clicked(Point2D p) { positions.push_back(p.ToText()); }
};

class FrameTest : public WidgetTest {
  protected:
    FrameTest() {
        // At (150, 150) in the window, 100 x 50.
        probe_ = std::make_shared<Probe>(*frame_, Rect(Point3D(50, 50, 0), Point3D(100, 50, 0)));
        Main().AddChild(probe_);
        Draw();
    }
    std::shared_ptr<Node> MouseOver() { return probe_->Child(1); }

    std::shared_ptr<Probe> probe_;
};

}  // namespace

TEST_F(FrameTest, ConstructionChecksArgumentsInOrderAndNamesItsParts) {
    const auto fails = [](auto make, const std::string& message) {
        try {
            make();
            ADD_FAILURE() << "no exception for " << message;
        } catch (const common::Exception& e) {
            EXPECT_EQ(std::string(e.what()), message);
        }
    };
    const Rect rect(Point3D(0, 0, 0), Point3D(10, 10, 0));
    fails([&] { Frame("x", std::nullopt, nullptr, nullptr, nullptr); }, "rect is null");
    fails([&] { Frame("x", rect, nullptr, nullptr, nullptr); }, "scene is null");
    fails([&] { Frame("x", rect, scene_, nullptr, nullptr); }, "font is null");

    EXPECT_EQ(frame_->MainGroup()->Name(), "ctrl_f_mainGroup");
    EXPECT_EQ(frame_->InfoFont(), font_);
    EXPECT_TRUE(log_.Contains("| AddInputHandler in Frame_f, space: "));
    EXPECT_TRUE(log_.Contains("| Setting Up Sound for Control\n"));
    EXPECT_TRUE(log_.Contains("| Setted Up Sound for Control\n"));
    // Every control asks for background, mouse-over and sound, in that order.
    EXPECT_EQ(std::vector<std::string>(requests_.end() - 3, requests_.end()),
              (std::vector<std::string>{"7/0/ctrl_probe", "7/1/ctrl_probe", "7/4/ctrl_probe"}));
    EXPECT_FALSE(MouseOver()->Visible());

    try {
        frame_->SetInfoText("x");
        ADD_FAILURE() << "no exception";
    } catch (const common::Exception& e) {
        EXPECT_EQ(std::string(e.what()), "can't set infoText, infoNode is null");
    }
    frame_->ShowInfoLine(Point3D(5, 280, 0));
    frame_->ShowInfoLine(Point3D(6, 281, 0));
    const auto info = frame_->Children().Find("f_info");
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->Position().X(), 6);
    EXPECT_EQ(frame_->ChildCount(), 2);  // the main group and one information line

    // A look that returns a node for Sound breaks every control, the main group first.
    fails(
        [&] {
            MakeFrame("noisy", [this](WidgetType, WidgetNodeType, Control& c) {
                return std::static_pointer_cast<Node>(scene_->NodeFactory().CreateEmptyNode(
                    c.Name() + "_x", Point3D(0, 0, 0), Point3D(0, 0, 0)));
            });
        },
        "Beim WidgetNodeType.Sound dürfen keine grafischen Nodes erstellt werden! Node: "
        "ctrl_noisy_mainGroup");
}

TEST_F(FrameTest, PointerAndClicksReachControlsOnlyInsideTheFrame) {
    Counter changes;
    probe_->ActiveChanged().Add(common::Bind<>(&changes, &Counter::Count));
    MoveTo(160, 160);
    EXPECT_TRUE(MouseOver()->Visible());
    MoveTo(120, 120);  // in the frame, beside the control
    EXPECT_FALSE(MouseOver()->Visible());

    ClickAt(160, 160);
    EXPECT_TRUE(probe_->IsActive());
    ClickAt(120, 120);
    EXPECT_FALSE(probe_->IsActive());
    ClickAt(160, 160);
    EXPECT_EQ(changes.count, 3);

    // Leaving the frame: one more event, then nothing but key presses.
    probe_->seen.clear();
    MoveTo(20, 20);
    MoveTo(30, 30);
    ClickAt(30, 30);
    EXPECT_TRUE(probe_->IsActive());  // the click outside never arrived
    TapKey(SDLK_a, 'a');
    EXPECT_EQ(probe_->seen,
              (std::vector<std::string>{"out1@20.00000|20.00000", "out3@30.00000|30.00000"}));

    // The border belongs to the outside.
    probe_->seen.clear();
    MoveTo(100, 100);
    EXPECT_TRUE(probe_->seen.empty());
}

TEST_F(FrameTest, ClickPositionsAreMeasuredFromTheFirstClickAndTheAreaFollowsTheFrame) {
    ClickLog clicks;
    frame_->Clicked().Add(common::Bind<Point2D>(&clicks, &ClickLog::Clicked));
    ClickAt(110, 120);
    frame_->SetPosition(Point3D(200, 100, 0));
    Draw();
    ClickAt(210, 120);  // the frame's old area no longer counts
    ClickAt(150, 120);
    EXPECT_EQ(clicks.positions,
              (std::vector<std::string>{"10.00000|20.00000", "110.00000|20.00000"}));
    ClickAt(260, 160);  // the control moved with its frame
    EXPECT_TRUE(probe_->IsActive());
}

TEST_F(FrameTest, HidingOrDisablingInputWithdrawsTheFrame) {
    Main().AddSpace("platz", Rect(Point3D(0, 0, 0), Point3D(40, 40, 0)), "");
    const auto space = Main().GetControl("platz");
    Draw();
    ClickAt(160, 160);
    ASSERT_TRUE(probe_->IsActive());
    space->SetActive(true);
    Main().SetActive(true);
    frame_->SetVisible(false);
    EXPECT_FALSE(space->IsActive());
    EXPECT_FALSE(Main().IsActive());
    probe_->seen.clear();
    ClickAt(160, 160);
    TapKey(SDLK_a, 'a');
    EXPECT_TRUE(probe_->seen.empty());
    frame_->SetVisible(true);
    ClickAt(160, 160);
    EXPECT_TRUE(probe_->IsActive());

    // Disabling input first tells the controls that the pointer left.
    MoveTo(160, 160);
    ASSERT_TRUE(MouseOver()->Visible());
    probe_->seen.clear();
    frame_->SetInputEnabled(false);
    EXPECT_EQ(probe_->seen, (std::vector<std::string>{"out1@-1.00000|-1.00000"}));
    EXPECT_FALSE(MouseOver()->Visible());
    Draw();  // drawing does not register a disabled frame
    ClickAt(120, 120);
    TapKey(SDLK_a, 'a');
    EXPECT_EQ(probe_->seen.size(), 1u);
    EXPECT_TRUE(probe_->IsActive());
    frame_->SetInputEnabled(true);
    ClickAt(120, 120);
    EXPECT_FALSE(probe_->IsActive());
}

TEST_F(FrameTest, DisabledControlsAreHalfTransparentAndNeverActive) {
    ClickAt(160, 160);
    probe_->SetEnabled(false);
    EXPECT_EQ(probe_->Transparency(), 128);
    MoveTo(160, 160);
    EXPECT_FALSE(MouseOver()->Visible());
    EXPECT_TRUE(probe_->IsActive());  // until the next click
    ClickAt(160, 160);
    EXPECT_FALSE(probe_->IsActive());
    probe_->SetEnabled(true);
    EXPECT_EQ(probe_->Transparency(), 255);
    ClickAt(160, 160);
    EXPECT_TRUE(probe_->IsActive());

    // Enabling does not show a hidden control, disabling neither.
    probe_->SetVisible(false);
    probe_->SetEnabled(true);
    EXPECT_FALSE(probe_->Visible());
    probe_->SetEnabled(false);
    EXPECT_FALSE(probe_->Visible());
}

TEST_F(FrameTest, InputAreasFollowAMovingControl) {
    probe_->SetPosition(Point3D(200, 200, 0));  // at (300, 300) in the window
    ClickAt(310, 310);
    EXPECT_FALSE(probe_->IsActive());  // not drawn since it moved
    Draw();
    ClickAt(310, 310);
    EXPECT_TRUE(probe_->IsActive());
    ClickAt(160, 160);
    EXPECT_FALSE(probe_->IsActive());
}

TEST_F(FrameTest, InformationTextsShowWhileThePointerIsOverTheControl) {
    probe_->SetInfoText("Hilfe");
    // No information line yet: nothing to show, and input goes on.
    EXPECT_NO_THROW(MoveTo(160, 160));
    frame_->ShowInfoLine(Point3D(0, 280, 0));
    MoveTo(161, 160);
    const auto info = std::static_pointer_cast<TextNode>(frame_->Children().Find("f_info"));
    EXPECT_EQ(info->Text(), "Hilfe");
    MoveTo(120, 120);
    EXPECT_EQ(info->Text(), "Hilfe");  // leaving does not clear it
}

}  // namespace zr2d::test
