// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "WidgetFixture.h"
#include "ZudeRezede2D/Widgets/CheckBoxGroup.h"
#include "ZudeRezede2D/Widgets/Checkbox.h"

using common::Point3D;
using common::Rect;

namespace zr2d::test {
namespace {

class CheckboxTest : public WidgetTest {
  protected:
    // Boxes 1..count, 30 apart, in a group at (0, 0) of the frame: box n is clicked at
    // (105, 100 + 30 n - 25) in the window.
    std::shared_ptr<CheckBoxGroup> MakeGroup(bool allowNone, bool multiSelect, int count,
                                             int checkedNumber = 0) {
        auto group = Main().AddCheckBoxGroup(
            "g", Rect(Point3D(0, 0, 0), Point3D(200, 200, 0)), allowNone, multiSelect,
            [this](const std::vector<uint16_t>& selected) { reports_.push_back(selected); });
        for (int n = 1; n <= count; ++n) {
            group->AddGroupCheckbox("b" + std::to_string(n), "Box " + std::to_string(n),
                                    Point3D(0, 30.0f * n - 30, 0), static_cast<uint16_t>(n),
                                    n == checkedNumber);
        }
        Draw();
        return group;
    }
    void ClickBox(int n) { ClickAt(105, 100 + 30 * n - 25); }
    std::string Checked(const CheckBoxGroup& group) {
        std::string checked;
        for (const auto& control : group.Controls()) {
            const auto box = std::static_pointer_cast<Checkbox>(control);
            if (box->IsChecked()) checked += std::to_string(box->Number());
        }
        return checked;
    }

    std::vector<std::vector<uint16_t>> reports_;
};

using Numbers = std::vector<uint16_t>;

}  // namespace

TEST_F(CheckboxTest, SingleChoiceKeepsOneBoxChecked) {
    const auto group = MakeGroup(false, false, 3);
    EXPECT_TRUE(group->Selected().empty());
    ClickBox(1);
    ClickBox(1);  // the last checked box cannot be unchecked
    EXPECT_EQ(Checked(*group), "1");
    ClickBox(3);
    EXPECT_EQ(Checked(*group), "3");
    EXPECT_EQ(group->Selected(), Numbers{3});
    EXPECT_EQ(reports_, (std::vector<Numbers>{{1}, {3}}));
    EXPECT_TRUE(log_.Contains("| CheckControl: ctrl_b3\n"));

    group->UncheckAll();  // no decision asked
    EXPECT_EQ(Checked(*group), "");
    EXPECT_EQ(reports_.size(), 2u);
}

TEST_F(CheckboxTest, MultipleChoiceWithAllowNoneReportsEveryCheckedBox) {
    const auto group = MakeGroup(true, true, 3);
    ClickBox(1);
    ClickBox(3);
    EXPECT_EQ(reports_.back(), (Numbers{1, 3}));
    ClickBox(1);  // unchecking is allowed, and not reported
    EXPECT_EQ(Checked(*group), "3");
    EXPECT_EQ(group->Selected(), Numbers{3});
    EXPECT_EQ(reports_.size(), 2u);
    ClickBox(3);
    EXPECT_EQ(Checked(*group), "");
    EXPECT_TRUE(group->Selected().empty());
}

TEST_F(CheckboxTest, TheInitialStateRunsTheDecisionWithoutReporting) {
    auto group = Main().AddCheckBoxGroup("g", Rect(Point3D(0, 0, 0), Point3D(200, 200, 0)), false,
                                         false, nullptr);
    group->AddGroupCheckbox("a", "A", Point3D(0, 0, 0), 1, true)
        .AddGroupCheckbox("b", "B", Point3D(0, 30, 0), 2, true)
        .AddGroupCheckbox("c", "C", Point3D(0, 60, 0), 3, false);
    EXPECT_EQ(Checked(*group), "2");
    EXPECT_EQ(group->Selected(), Numbers{2});

    // A free box with a callback is asked too.
    int asked = 0;
    const auto box = Main().AddCheckboxDefault(
        "frei", "Frei", Point3D(250, 0, 0),
        [&asked](bool requested, Checkbox&) {
            ++asked;
            return requested && asked > 1;
        },
        "", "", true);
    EXPECT_EQ(asked, 1);
    EXPECT_FALSE(box->IsChecked());
}

TEST_F(CheckboxTest, PicturesForTheCheckedStateReplaceTheContent) {
    const auto box = Main().AddCheckboxDefault("bild", "", Point3D(10, 10, 0), nullptr,
                                               WhitePicture(20, 20), WhitePicture(24, 24), false);
    EXPECT_EQ(box->Size().X(), 20);
    const auto content = box->ContentNode();
    const auto checkedPicture = box->Children().Find(WhitePicture(24, 24));
    ASSERT_NE(checkedPicture, nullptr);
    EXPECT_FALSE(checkedPicture->Visible());
    Draw();
    ClickAt(115, 115);
    EXPECT_TRUE(box->IsChecked());
    EXPECT_TRUE(checkedPicture->Visible());
    EXPECT_FALSE(content->Visible());
    ClickAt(115, 115);
    EXPECT_FALSE(checkedPicture->Visible());
    EXPECT_TRUE(content->Visible());

    // A text box shows the look's Check part while checked.
    const auto text =
        Main().AddCheckboxDefault("t", "Text", Point3D(10, 50, 0), nullptr, "", "", true);
    const auto mark = text->Children().Find("ctrl_t_part3");
    ASSERT_NE(mark, nullptr);
    EXPECT_TRUE(mark->Visible());
    EXPECT_TRUE(text->ContentNode()->Visible());
}

TEST_F(CheckboxTest, DisabledBoxesIgnoreClicks) {
    const auto group = MakeGroup(true, true, 2);
    group->GetControl("b1")->SetEnabled(false);
    ClickBox(1);
    EXPECT_EQ(Checked(*group), "");
    EXPECT_TRUE(reports_.empty());
}

TEST_F(CheckboxTest, NodeBoxesAndHiddenOverflow) {
    auto group = Main().AddCheckBoxGroup("g", Rect(Point3D(0, 0, 0), Point3D(200, 70, 0)), false,
                                         false, nullptr);
    for (int n = 0; n < 3; ++n) {
        auto strip = scene_->NodeFactory().CreateEmptyNode(
            "strip" + std::to_string(n), Point3D(0, 30.0f * n, 0), Point3D(200, 30, 0));
        group->AddGroupNodeCheckbox(strip, static_cast<uint16_t>(n + 1), n == 1);
    }
    EXPECT_EQ(group->GetControl("strip1_checkBox")->Position().Y(), 30);
    EXPECT_EQ(Checked(*group), "2");
    group->HideOverflow();  // bottoms at 30, 60, 90 against a height of 70
    EXPECT_TRUE(group->GetControl("strip0_checkBox")->Visible());
    EXPECT_TRUE(group->GetControl("strip1_checkBox")->Visible());
    EXPECT_FALSE(group->GetControl("strip2_checkBox")->Visible());
}

}  // namespace zr2d::test
