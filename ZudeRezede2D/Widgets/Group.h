// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "Common/Delegate.h"
#include "Control.h"
#include "WidgetCallbacks.h"

namespace zr2d {

class Checkbox;
class CheckBoxGroup;

// A control that creates, holds and finds other controls. Groups do no layout: every adder
// takes the new control's place in the group's coordinates. Controls live until
// DisposeControls.
class Group : public Control {
  public:
    Group(const std::string& id, zr2d::Frame& frame, const common::Rect& rect);

    bool IsActive() const override { return Control::IsActive(); }
    // Passes the value on to every control, nested groups included.
    void SetActive(bool active) override;

    // The adders return the group itself; an empty id is replaced by the text or picture.
    virtual Group& AddLabel(const std::string& text, const common::Point3D& position,
                            const std::string& id = "");
    virtual Group& AddTextButton(const std::string& text, const common::Point3D& position,
                                 const common::Delegate<>& onClick, const std::string& id = "");
    virtual Group& AddImageButton(const std::string& imageFile, const common::Point3D& position,
                                  const common::Delegate<>& onClick, const std::string& id = "",
                                  const std::string& infoText = "", const std::string& text = "");
    virtual Group& AddSpace(const std::string& id, const common::Rect& rect,
                            const std::string& infoText);
    virtual Group& AddNodeButton(const std::shared_ptr<Node>& content,
                                 const common::Delegate<>& onClick);
    virtual Group& AddTextEdit(const std::string& id, const common::Rect& rect,
                               const std::string& text);
    virtual Group& AddNumberEdit(const std::string& id, const common::Rect& rect,
                                 const std::string& text);
    // A free check box: widget type Checkbox, number -1.
    virtual std::shared_ptr<Checkbox> AddCheckboxDefault(
        const std::string& id, const std::string& text, const common::Point3D& position,
        const CheckCallback& checkCallback, const std::string& uncheckedImage,
        const std::string& checkedImage, bool checked);
    virtual std::shared_ptr<Checkbox> AddNodeCheckbox(const std::shared_ptr<Node>& content,
                                                      const CheckCallback& checkCallback,
                                                      zr2d::WidgetType type, int32_t number,
                                                      bool checked);
    // Text when uncheckedImage is empty, else pictures; checked runs the initial-state step.
    virtual std::shared_ptr<Checkbox> AddCheckbox(const std::string& id, const std::string& text,
                                                  const common::Point3D& position,
                                                  const CheckCallback& checkCallback,
                                                  zr2d::WidgetType type, int32_t number,
                                                  bool checked, const std::string& uncheckedImage,
                                                  const std::string& checkedImage);
    virtual const std::vector<std::shared_ptr<Control>>& Controls() const { return controls_; }
    // Registers or moves every control's input area at once (after the group moved).
    virtual void UpdateInputAreas();
    virtual std::shared_ptr<CheckBoxGroup> AddCheckBoxGroup(const std::string& id,
                                                            const common::Rect& rect,
                                                            bool allowNone, bool multiSelect,
                                                            const SelectionHandler& onChange);
    // The first control named "ctrl_" + id; throws "Angefordertes Control <id> ist nicht
    // vorhanden" when there is none.
    virtual std::shared_ptr<Control> GetControl(const std::string& id) const;
    // The first control with that number, or null.
    virtual std::shared_ptr<Control> GetControlByNumber(int32_t number) const;
    // Disposes every control (their input registrations included) and forgets them; they stay
    // child nodes of the group.
    virtual void DisposeControls();

  protected:
    // Appends the control to the collection and as a child node.
    void Adopt(const std::shared_ptr<Control>& control);

  private:
    std::vector<std::shared_ptr<Control>> controls_;
};

}  // namespace zr2d
