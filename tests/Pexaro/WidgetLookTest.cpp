// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <stdexcept>

#include "GameFixture.h"
#include "ZudeRezede2D/Scene/SimpleFormNode.h"
#include "ZudeRezede2D/Widgets/Control.h"

using common::Color;
using common::Point3D;
using zr2d::WidgetNodeType;
using zr2d::WidgetType;

namespace pexaro::test {
namespace {

class WidgetLookTest : public GameTest {
  protected:
    void SetUp() override {
        MakeSet("Alpen", {"Berg.png"});
        MakeSet("Blumen", {"Rose.png"});
        control_->ShowMenu();
        Frame();
        scene_ = CurrentMenu();
        ASSERT_NE(scene_, nullptr);
    }
    zr2d::Control& ControlNamed(const std::string& id) {
        auto control = std::dynamic_pointer_cast<zr2d::Control>(Find("ctrl_" + id));
        if (!control) throw std::runtime_error("no control " + id);
        return *control;
    }
    std::shared_ptr<zr2d::Node> Look(WidgetType type, WidgetNodeType part, const std::string& id) {
        return scene_->Look().CreateWidgetNode(type, part, ControlNamed(id));
    }
    static Point3D Extent(const std::shared_ptr<zr2d::Node>& node) {
        return std::dynamic_pointer_cast<zr2d::SimpleFormNode>(node)->Vertices()->Size();
    }

    Menu* scene_ = nullptr;
};

}  // namespace

TEST_F(WidgetLookTest, PanelsAreALightBorderAllRoundADarkerInnerPanel) {
    // Size (100, 40) covers (106, 46) from (-3, -3). The inner panel starts at (1, 1) and stays
    // one pixel inside the border on every side.
    const Color colour(22, 72, 42, 14);
    const auto panel = scene_->Look().CreatePanel("p", Point3D(100, 40, 0), colour, false);
    EXPECT_TRUE(panel->Position().Equals(Point3D(-3, -3, 0)));
    EXPECT_TRUE(Extent(panel).Equals(Point3D(106, 46, 0)));
    EXPECT_EQ(Corner(panel, 0), Color(162, 212, 182, 78));  // brightened by 140, alpha + 64
    EXPECT_EQ(Corner(panel, 1), Color(162, 212, 182, 14));
    ASSERT_EQ(panel->ChildCount(), 1);
    const auto inner = panel->Child(0);
    EXPECT_TRUE(inner->Position().Equals(Point3D(1, 1, 0)));
    EXPECT_TRUE(Extent(inner).Equals(Point3D(104, 44, 0)));
    EXPECT_EQ(Corner(inner, 0), colour);
    EXPECT_EQ(Corner(inner, 1), Color(22, 72, 42, 78));

    const auto frame = scene_->Look().CreateFramePanel("f", Point3D(100, 40, 0), colour, false);
    EXPECT_TRUE(frame->Position().Equals(Point3D(-6, -6, 0)));
    EXPECT_TRUE(Extent(frame).Equals(Point3D(112, 52, 0)));
    EXPECT_TRUE(frame->Child(0)->Position().Equals(Point3D(1, 1, 0)));
    EXPECT_TRUE(Extent(frame->Child(0)).Equals(Point3D(110, 50, 0)));
}

TEST_F(WidgetLookTest, EachControlGetsItsColoursAndLabelsAndSoundsNothing) {
    // Groups get the dark frame panel, buttons the green panel behind their text.
    const auto group = Look(WidgetType::Group, WidgetNodeType::Background, "games");
    EXPECT_EQ(Corner(group->Child(0), 0), Color(7, 21, 36, 64));
    EXPECT_EQ(Look(WidgetType::Group, WidgetNodeType::MouseOver, "games"), nullptr);
    const auto button = Look(WidgetType::Button, WidgetNodeType::Background, "startButton");
    EXPECT_EQ(Corner(button->Child(0), 0), Color(22, 72, 42, 14));
    // A button's other parts and check boxes share the check look.
    const auto over = Look(WidgetType::Button, WidgetNodeType::MouseOver, "startButton");
    EXPECT_EQ(over->Name(), "ctrl_startButton_mouseOver");
    EXPECT_EQ(Color(Corner(over, 0).R(), Corner(over, 0).G(), Corner(over, 0).B(), 255),
              Color(64, 255, 64, 255));
    EXPECT_EQ(Corner(over, 1), Color(200, 220, 64, 128));
    const auto check = Look(WidgetType::Checkbox, WidgetNodeType::Check, "startButton");
    EXPECT_EQ(check->Name(), "ctrl_startButton_checked_bg");
    EXPECT_EQ(Corner(check, 1), Color(220, 200, 64, 200));

    // The name field is the button look, 3 wider than the field.
    const auto edit = Look(WidgetType::TextEdit, WidgetNodeType::Background, "teName");
    EXPECT_EQ(Corner(edit, 0), Color(138, 200, 238, 32));
    EXPECT_EQ(Extent(edit).X(), ControlNamed("teName").Size().X() + 3);
    EXPECT_EQ(Corner(Look(WidgetType::TextEdit, WidgetNodeType::MouseOver, "teName"), 0),
              Color(200, 220, 64, 128));

    // Set buttons fade away from their thumbnail: the left one mirrored to the right one. The
    // menu hands the side to the look while it builds them, so these are the nodes it made.
    const std::string left = "MM_selectGame_left_Alpen_checkBox";
    const std::string right = "MM_selectGame_right_Blumen_checkBox";
    const auto leftLook = Find("ctrl_" + left + "_bg");
    const auto rightLook = Find("ctrl_" + right + "_bg");
    EXPECT_EQ(Corner(leftLook, 0), Color(138, 200, 238, 24));
    EXPECT_EQ(Corner(leftLook, 3).A(), 6);
    EXPECT_EQ(Corner(rightLook, 0).A(), 6);
    EXPECT_EQ(Corner(rightLook, 3), Color(138, 200, 238, 24));
    EXPECT_EQ(Corner(Find("ctrl_" + left + "_checked_bg"), 0), Color(220, 200, 64, 200));
    EXPECT_EQ(Corner(Find("ctrl_" + right + "_mouseOver"), 3), Color(200, 220, 64, 128));
    // Built outside the menu's set buttons, a group check box gets the plain button look.
    EXPECT_EQ(Corner(Look(WidgetType::GroupCheckbox, WidgetNodeType::Background, left), 0).A(), 32);

    for (const auto type :
         {WidgetType::Group, WidgetType::Label, WidgetType::Button, WidgetType::Checkbox,
          WidgetType::GroupCheckbox, WidgetType::TextEdit}) {
        EXPECT_EQ(Look(type, WidgetNodeType::Sound, left), nullptr);
    }
    for (const auto part :
         {WidgetNodeType::Background, WidgetNodeType::MouseOver, WidgetNodeType::Check}) {
        EXPECT_EQ(Look(WidgetType::Label, part, "startButton"), nullptr);
    }
}

}  // namespace pexaro::test
