// SPDX-License-Identifier: GPL-3.0-or-later
#include "CheckBoxGroup.h"

#include <algorithm>

#include "Checkbox.h"
#include "Common/MyLog.h"

namespace zr2d {

CheckBoxGroup::CheckBoxGroup(const std::string& id, zr2d::Frame& frame, const common::Rect& rect,
                             bool allowNone, bool multiSelect, SelectionHandler onChange)
    : Group(id, frame, rect),
      onChange_(std::move(onChange)),
      allowNone_(allowNone),
      multiSelect_(multiSelect) {}

std::weak_ptr<CheckBoxGroup> CheckBoxGroup::WeakSelf() {
    return std::static_pointer_cast<CheckBoxGroup>(shared_from_this());
}

// A box whose group is gone takes every change it is asked for.
CheckCallback CheckBoxGroup::Decision() {
    return [weak = WeakSelf()](bool requested, Checkbox& box) {
        const auto group = weak.lock();
        return group ? group->Decide(requested, box) : requested;
    };
}

CheckBoxGroup& CheckBoxGroup::AddGroupCheckbox(const std::string& id, const std::string& text,
                                               const common::Point3D& position, uint16_t number,
                                               bool checked, const std::string& uncheckedImage,
                                               const std::string& checkedImage) {
    Subscribe(AddCheckbox(id, text, position, Decision(), WidgetType::GroupCheckbox, number,
                          checked, uncheckedImage, checkedImage));
    return *this;
}

CheckBoxGroup& CheckBoxGroup::AddGroupNodeCheckbox(const std::shared_ptr<Node>& content,
                                                   uint16_t number, bool checked) {
    Subscribe(AddNodeCheckbox(content, Decision(), WidgetType::GroupCheckbox, number, checked));
    return *this;
}

// After the initial state: that one is not reported.
void CheckBoxGroup::Subscribe(const std::shared_ptr<Checkbox>& box) {
    box->Checked().Add(common::Bind<>(WeakSelf(), &CheckBoxGroup::ReportSelection));
}

void CheckBoxGroup::ReportSelection() {
    if (onChange_) onChange_(Selected());
}

std::vector<std::shared_ptr<Checkbox>> CheckBoxGroup::OtherBoxes(const Checkbox& box) const {
    std::vector<std::shared_ptr<Checkbox>> others;
    for (const auto& control : Controls()) {
        if (control->WidgetType() != WidgetType::GroupCheckbox) continue;
        if (control->Number() == box.Number()) continue;
        if (auto other = std::dynamic_pointer_cast<Checkbox>(control)) others.push_back(other);
    }
    return others;
}

bool CheckBoxGroup::Decide(bool requested, Checkbox& box) {
    common::MyLog::Info("CheckControl: " + box.Name());
    const auto others = OtherBoxes(box);
    bool allow = true;
    if (requested && !multiSelect_) {
        for (const auto& other : others) other->SetChecked(false);
    }
    if (!requested && !allowNone_) {
        allow = std::any_of(others.begin(), others.end(),
                            [](const auto& other) { return other->IsChecked(); });
    }
    if (!allow) return !requested;
    selected_.emplace();
    if (requested) selected_->insert(static_cast<uint16_t>(box.Number()));
    if (multiSelect_) {
        for (const auto& other : others) {
            if (other->IsChecked()) selected_->insert(static_cast<uint16_t>(other->Number()));
        }
    }
    return requested;
}

void CheckBoxGroup::UncheckAll() {
    for (const auto& control : Controls()) {
        if (control->WidgetType() != WidgetType::GroupCheckbox) continue;
        if (const auto box = std::dynamic_pointer_cast<Checkbox>(control)) box->SetChecked(false);
    }
}

std::vector<uint16_t> CheckBoxGroup::Selected() const {
    if (!selected_) return {};
    std::vector<uint16_t> numbers(selected_->begin(), selected_->end());
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

void CheckBoxGroup::HideOverflow() {
    const float height = Size().Y();
    for (const auto& control : Controls()) {
        control->SetVisible(control->Position().Y() + control->Size().Y() < height);
    }
}

}  // namespace zr2d
