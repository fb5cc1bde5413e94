// SPDX-License-Identifier: GPL-3.0-or-later
#include "Group.h"

#include "Button.h"
#include "CheckBoxGroup.h"
#include "Checkbox.h"
#include "Common/Exception.h"
#include "Common/MyLog.h"
#include "Frame.h"
#include "Label.h"
#include "NumberEdit.h"
#include "Space.h"
#include "TextEdit.h"
#include "ZudeRezede2D/Scene/Scene.h"

namespace zr2d {

using common::Point3D;
using common::Rect;

Group::Group(const std::string& id, zr2d::Frame& frame, const Rect& rect)
    : Control(id, frame, WidgetType::Group, rect, false, -1) {}

void Group::Adopt(const std::shared_ptr<Control>& control) {
    controls_.push_back(control);
    AddChild(control);
}

void Group::SetActive(bool active) {
    Control::SetActive(active);
    for (const auto& control : controls_) control->SetActive(active);
}

Group& Group::AddLabel(const std::string& text, const Point3D& position, const std::string& id) {
    Adopt(std::make_shared<Label>(Frame(), text, position, id.empty() ? text : id));
    return *this;
}

Group& Group::AddTextButton(const std::string& text, const Point3D& position,
                            const common::Delegate<>& onClick, const std::string& id) {
    Adopt(
        std::make_shared<Button>(Frame(), position, onClick, id.empty() ? text : id, "", text, ""));
    return *this;
}

Group& Group::AddImageButton(const std::string& imageFile, const Point3D& position,
                             const common::Delegate<>& onClick, const std::string& id,
                             const std::string& infoText, const std::string& text) {
    Adopt(std::make_shared<Button>(Frame(), position, onClick, id.empty() ? imageFile : id,
                                   imageFile, text, infoText));
    return *this;
}

Group& Group::AddSpace(const std::string& id, const Rect& rect, const std::string& infoText) {
    Adopt(std::make_shared<Space>(Frame(), rect, id, infoText));
    return *this;
}

Group& Group::AddNodeButton(const std::shared_ptr<Node>& content,
                            const common::Delegate<>& onClick) {
    Adopt(std::make_shared<Button>(Frame(), content, onClick));
    return *this;
}

Group& Group::AddTextEdit(const std::string& id, const Rect& rect, const std::string& text) {
    Adopt(std::make_shared<TextEdit>(Frame(), id, rect, text));
    return *this;
}

Group& Group::AddNumberEdit(const std::string& id, const Rect& rect, const std::string& text) {
    Adopt(std::make_shared<NumberEdit>(Frame(), id, rect, text));
    return *this;
}

std::shared_ptr<Checkbox> Group::AddCheckboxDefault(const std::string& id, const std::string& text,
                                                    const Point3D& position,
                                                    const CheckCallback& checkCallback,
                                                    const std::string& uncheckedImage,
                                                    const std::string& checkedImage, bool checked) {
    return AddCheckbox(id, text, position, checkCallback, WidgetType::Checkbox, -1, checked,
                       uncheckedImage, checkedImage);
}

std::shared_ptr<Checkbox> Group::AddNodeCheckbox(const std::shared_ptr<Node>& content,
                                                 const CheckCallback& checkCallback,
                                                 zr2d::WidgetType type, int32_t number,
                                                 bool checked) {
    auto box = std::make_shared<Checkbox>(Frame(), content, checkCallback, type, number);
    Adopt(box);
    box->ApplyInitialState(checked);
    return box;
}

std::shared_ptr<Checkbox> Group::AddCheckbox(const std::string& id, const std::string& text,
                                             const Point3D& position,
                                             const CheckCallback& checkCallback,
                                             zr2d::WidgetType type, int32_t number, bool checked,
                                             const std::string& uncheckedImage,
                                             const std::string& checkedImage) {
    auto box = std::make_shared<Checkbox>(Frame(), id, text, position, checkCallback, type, number,
                                          uncheckedImage, checkedImage);
    Adopt(box);
    box->ApplyInitialState(checked);
    return box;
}

void Group::UpdateInputAreas() {
    for (const auto& control : controls_) control->UpdateInputArea();
}

std::shared_ptr<CheckBoxGroup> Group::AddCheckBoxGroup(const std::string& id, const Rect& rect,
                                                       bool allowNone, bool multiSelect,
                                                       const SelectionHandler& onChange) {
    auto group =
        std::make_shared<CheckBoxGroup>(id, Frame(), rect, allowNone, multiSelect, onChange);
    Adopt(group);
    return group;
}

std::shared_ptr<Control> Group::GetControl(const std::string& id) const {
    const std::string name = "ctrl_" + id;
    for (const auto& control : controls_) {
        if (control->Name() == name) return control;
    }
    throw common::Exception("Angefordertes Control " + id + " ist nicht vorhanden");
}

std::shared_ptr<Control> Group::GetControlByNumber(int32_t number) const {
    common::MyLog::Info("GetControl, id: " + std::to_string(number));
    for (const auto& control : controls_) {
        if (control->Number() == number) return control;
    }
    return nullptr;
}

void Group::DisposeControls() {
    GameEngine& engine = Frame().Scene().GameEngine();
    for (const auto& control : controls_) control->Dispose(engine);
    controls_.clear();
}

}  // namespace zr2d
