// SPDX-License-Identifier: GPL-3.0-or-later
#include "DemoFrame.h"

#include "ZudeRezede2D/Widgets/CheckBoxGroup.h"
#include "ZudeRezede2D/Widgets/Checkbox.h"
#include "ZudeRezede2D/Widgets/Control.h"
#include "ZudeRezede2D/Widgets/Group.h"
#include "ZudeRezede2D/Widgets/TextEdit.h"

namespace widgetdemo {

using common::Color;
using common::Point3D;
using common::Rect;
using zr2d::WidgetNodeType;
using zr2d::WidgetType;

namespace {

Color BackgroundColour(WidgetType type) {
    switch (type) {
        case WidgetType::Group:
            return Color(30, 40, 70, 255);
        case WidgetType::Button:
            return Color(60, 110, 170, 255);
        case WidgetType::TextEdit:
            return Color(15, 15, 15, 255);
        case WidgetType::Space:
            return Color(110, 70, 30, 255);
        default:
            return Color(70, 70, 90, 255);
    }
}

}  // namespace

DemoFrame::DemoFrame(zr2d::Scene& scene, std::shared_ptr<zr2d::Font> font,
                     const std::string& assets) {
    frame_ = std::make_shared<zr2d::Frame>(
        "demo", Rect(Point3D(kLeft, kTop, 0), Point3D(560, 420, 0)), scene.shared_from_this(), font,
        [&scene](WidgetType type, WidgetNodeType part, zr2d::Control& control) {
            return CreateNode(scene, type, part, control);
        });
    scene.Root()->AddChild(frame_);

    zr2d::Group& group = *frame_->MainGroup();
    group.AddLabel("Alle Widgets auf einen Blick", Point3D(10, 10, 0));
    group.AddTextButton(" Knopf ", Point3D(10, 45, 0),
                        common::Bind<>(this, &DemoFrame::TextButtonClicked), "knopf");
    group.AddImageButton(assets + "/checker.png", Point3D(10, 80, 0),
                         common::Bind<>(this, &DemoFrame::PictureButtonClicked), "bildknopf",
                         "Ein Knopf mit Bild und Text", "Bild und Text");
    auto colour = scene.NodeFactory().CreateColorNode(
        "farbknopf", Rect(Point3D(300, 45, 0), Point3D(90, 26, 0)), Color(170, 40, 120, 255));
    group.AddNodeButton(colour, common::Bind<>(this, &DemoFrame::ColourButtonClicked));
    group.AddSpace("platz", Rect(Point3D(410, 45, 0), Point3D(130, 60, 0)), "Hier ist nur Platz");

    group.AddCheckboxDefault("ton", "Ton an", Point3D(10, 165, 0), nullptr, "", "", true);
    group.AddCheckboxDefault("bildbox", "", Point3D(110, 165, 0), nullptr, assets + "/box-off.png",
                             assets + "/box-on.png", false);
    auto choice = group.AddCheckBoxGroup(
        "auswahl", Rect(Point3D(10, 205, 0), Point3D(200, 100, 0)), false, false,
        [this](const std::vector<uint16_t>& selected) { ChoiceChanged(selected); });
    choice->AddGroupCheckbox("eins", "Eins", Point3D(10, 8, 0), 1, true)
        .AddGroupCheckbox("zwei", "Zwei", Point3D(10, 38, 0), 2, false)
        .AddGroupCheckbox("drei", "Drei", Point3D(10, 68, 0), 3, false);

    group.AddTextEdit("name", Rect(Point3D(300, 165, 0), Point3D(230, 20, 0)), "Pexaro")
        .AddNumberEdit("zahl", Rect(Point3D(300, 205, 0), Point3D(100, 20, 0)), "42");
    std::static_pointer_cast<zr2d::TextEdit>(group.GetControl("name"))
        ->EnterPressed()
        .Add(common::Bind<>(this, &DemoFrame::NameEntered));

    status_ = scene.NodeFactory().CreateTextNode("status", Point3D(10, 330, 0.1f), font, "Bereit");
    status_->SetColor(Color(255, 220, 120, 255));
    frame_->AddChild(status_);
    frame_->ShowInfoLine(Point3D(10, 390, 0.1f));
}

std::shared_ptr<zr2d::Node> DemoFrame::CreateNode(zr2d::Scene& scene, WidgetType type,
                                                  WidgetNodeType part, zr2d::Control& control) {
    if (type == WidgetType::Label || part == WidgetNodeType::Sound) return nullptr;
    if (type == WidgetType::Group && part != WidgetNodeType::Background) return nullptr;
    Point3D size = control.Size();
    if (type == WidgetType::TextEdit) size = size.Add(Point3D(3, 0, 0));  // room for the cursor
    Color colour = BackgroundColour(type);
    if (part == WidgetNodeType::MouseOver) colour = Color(150, 150, 60, 255);
    if (part == WidgetNodeType::Check) colour = Color(40, 150, 60, 255);
    const std::string suffix = part == WidgetNodeType::Background  ? "_bg"
                               : part == WidgetNodeType::MouseOver ? "_mouseOver"
                                                                   : "_checked_bg";
    return scene.NodeFactory().CreateColorNode(control.Name() + suffix,
                                               Rect(Point3D(0, 0, 0), size), colour);
}

void DemoFrame::ChoiceChanged(const std::vector<uint16_t>& selected) {
    std::string numbers;
    for (const uint16_t number : selected) numbers += " " + std::to_string(number);
    ShowStatus("Auswahl:" + numbers);
}

void DemoFrame::NameEntered() {
    const auto edit =
        std::static_pointer_cast<zr2d::TextEdit>(frame_->MainGroup()->GetControl("name"));
    ShowStatus("Eingabe: " + edit->Text());
}

}  // namespace widgetdemo
