// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "Common/Exception.h"
#include "WidgetFixture.h"
#include "ZudeRezede2D/Widgets/Button.h"
#include "ZudeRezede2D/Widgets/CheckBoxGroup.h"
#include "ZudeRezede2D/Widgets/Checkbox.h"
#include "ZudeRezede2D/Widgets/Label.h"

using common::Point3D;
using common::Rect;

namespace zr2d::test {
namespace {

using GroupTest = WidgetTest;

}  // namespace

TEST_F(GroupTest, ControlsAreFoundByIdAndNumber) {
    Counter clicks;
    Group& returned =
        Main()
            .AddLabel("Hallo", Point3D(0, 0, 0))
            .AddLabel("Hallo", Point3D(0, 20, 0), "zweites")
            .AddTextButton("OK", Point3D(0, 40, 0), common::Bind<>(&clicks, &Counter::Count));
    EXPECT_EQ(&returned, &Main());
    const auto first = std::dynamic_pointer_cast<Label>(Main().GetControl("Hallo"));
    const auto second = std::dynamic_pointer_cast<Label>(Main().GetControl("zweites"));
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->TextNode()->Name(), "Hallo");
    EXPECT_EQ(second->TextNode()->Name(), "Hallo");
    EXPECT_EQ(first->Size().X(), first->TextNode()->Size().X());
    EXPECT_EQ(Main().GetControl("OK")->WidgetType(), WidgetType::Button);
    try {
        Main().GetControl("Hall");
        ADD_FAILURE() << "no exception";
    } catch (const common::Exception& e) {
        EXPECT_EQ(std::string(e.what()), "Angefordertes Control Hall ist nicht vorhanden");
    }

    const auto box =
        Main().AddCheckboxDefault("b", "Box", Point3D(0, 60, 0), nullptr, "", "", false);
    EXPECT_EQ(box->WidgetType(), WidgetType::Checkbox);
    EXPECT_EQ(box->Number(), -1);
    const auto numbered = Main().AddCheckbox("n", "Sieben", Point3D(0, 80, 0), nullptr,
                                             WidgetType::Checkbox, 7, false, "", "");
    EXPECT_EQ(Main().GetControlByNumber(7), numbered);
    EXPECT_TRUE(log_.Contains("| GetControl, id: 7\n"));
    EXPECT_EQ(Main().GetControlByNumber(8), nullptr);
    EXPECT_EQ(Main().Controls().size(), 5u);
}

TEST_F(GroupTest, ActivationReachesNestedGroups) {
    const auto nested = Main().AddCheckBoxGroup(
        "innen", Rect(Point3D(0, 0, 0), Point3D(100, 100, 0)), true, true, nullptr);
    nested->AddGroupCheckbox("a", "A", Point3D(0, 0, 0), 1, false);
    Main().AddSpace("s", Rect(Point3D(0, 120, 0), Point3D(10, 10, 0)), "");
    Main().SetActive(true);
    EXPECT_TRUE(nested->IsActive());
    EXPECT_TRUE(nested->GetControl("a")->IsActive());
    EXPECT_TRUE(Main().GetControl("s")->IsActive());
    Main().SetActive(false);
    EXPECT_FALSE(nested->IsActive());
    EXPECT_FALSE(nested->GetControl("a")->IsActive());
    EXPECT_FALSE(Main().GetControl("s")->IsActive());
}

TEST_F(GroupTest, DisposedControlsTakeNoMoreInput) {
    Counter oldClicks;
    Counter newClicks;
    Main().AddTextButton("Alt", Point3D(10, 10, 0), common::Bind<>(&oldClicks, &Counter::Count));
    const auto old = Main().GetControl("Alt");
    Draw();
    ClickAt(115, 115);
    ASSERT_EQ(oldClicks.count, 1);

    Main().DisposeControls();
    EXPECT_TRUE(Main().Controls().empty());
    EXPECT_EQ(old->Parent(), &Main());  // still a child node
    Main().AddTextButton("Neu", Point3D(10, 10, 0), common::Bind<>(&newClicks, &Counter::Count));
    Draw();
    Draw();
    ClickAt(115, 115);
    EXPECT_EQ(oldClicks.count, 1);
    EXPECT_EQ(newClicks.count, 1);
    EXPECT_THROW(Main().GetControl("Alt"), common::Exception);
    EXPECT_NO_THROW(old->Dispose(*engine_));  // a second dispose does nothing
}

}  // namespace zr2d::test
