// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

#include "Group.h"
#include "WidgetCallbacks.h"

namespace zr2d {

// Turns its check boxes into a single-choice (radio) or multiple-choice selection, optionally
// refusing to uncheck the last checked box, and reports the selected numbers each time a box
// becomes checked. Boxes sharing a number count as one choice.
class CheckBoxGroup : public Group {
  public:
    CheckBoxGroup(const std::string& id, zr2d::Frame& frame, const common::Rect& rect,
                  bool allowNone, bool multiSelect, SelectionHandler onChange);

    // A box of type GroupCheckbox decided by this group. Return the group itself.
    virtual CheckBoxGroup& AddGroupCheckbox(const std::string& id, const std::string& text,
                                            const common::Point3D& position, uint16_t number,
                                            bool checked, const std::string& uncheckedImage = "",
                                            const std::string& checkedImage = "");
    virtual CheckBoxGroup& AddGroupNodeCheckbox(const std::shared_ptr<Node>& content,
                                                uint16_t number, bool checked);
    // Unchecks every group box without asking the decision, even when allowNone is false.
    virtual void UncheckAll();
    // The numbers after the last decided change, ascending; empty before the first.
    virtual std::vector<uint16_t> Selected() const;
    // Shows exactly the controls whose bottom edge lies above the group's height.
    virtual void HideOverflow();

  private:
    // The boxes hold their group weakly, so that a box kept elsewhere never calls into a freed
    // group.
    std::weak_ptr<CheckBoxGroup> WeakSelf();
    CheckCallback Decision();
    void Subscribe(const std::shared_ptr<Checkbox>& box);
    bool Decide(bool requested, Checkbox& box);
    void ReportSelection();
    std::vector<std::shared_ptr<Checkbox>> OtherBoxes(const Checkbox& box) const;

    SelectionHandler onChange_;
    bool allowNone_;
    bool multiSelect_;
    std::optional<std::unordered_set<uint16_t>> selected_;
};

}  // namespace zr2d
