// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>

#include "Common/Event.h"
#include "Control.h"
#include "WidgetCallbacks.h"

namespace zr2d {

// A two-state control: a content node (text, picture or any node) plus a check node shown while
// checked. A check callback, when set, decides every change a click asks for.
class Checkbox : public Control {
  public:
    // Wraps content: named after it + "_checkBox", takes its place, the content moves to the
    // box's origin.
    Checkbox(zr2d::Frame& frame, const std::shared_ptr<Node>& content, CheckCallback checkCallback,
             zr2d::WidgetType type, int32_t number);
    // A text when uncheckedImage is empty, else that picture. With a checkedImage, that picture
    // replaces the content while checked; otherwise the frame's Check part marks the state.
    Checkbox(zr2d::Frame& frame, const std::string& id, const std::string& text,
             const common::Point3D& position, CheckCallback checkCallback, zr2d::WidgetType type,
             int32_t number, const std::string& uncheckedImage, const std::string& checkedImage);

    // A click inside toggles while the box is enabled.
    void OnInput(bool inArea, EventType kind, std::span<const uint8_t> keys,
                 const std::optional<common::Point2D>& mouse) override;

    virtual bool IsChecked() const { return checked_; }
    // Raises Checked when the box turns checked (not when it turns unchecked).
    virtual void SetChecked(bool checked);
    virtual common::EventAddHandler<>& Checked() { return becameChecked_.AddHandler(); }
    virtual const std::shared_ptr<Node>& ContentNode() const { return contentNode_; }
    // Hides the old content and appends the new one.
    virtual void SetContentNode(const std::shared_ptr<Node>& node);

    // The adders' initial state: true asks the callback (when set) like a click would; false
    // does nothing.
    void ApplyInitialState(bool checked);

  private:
    static std::shared_ptr<Node> MakeContent(zr2d::Frame& frame, const std::string& id,
                                             const std::string& text,
                                             const std::string& uncheckedImage);
    Checkbox(zr2d::Frame& frame, const std::string& id, std::shared_ptr<Node> content,
             const common::Point3D& position, CheckCallback checkCallback, zr2d::WidgetType type,
             int32_t number, const std::string& checkedImage);
    bool Decide(bool requested);

    common::Event<> becameChecked_;
    CheckCallback checkCallback_;
    bool checked_ = false;
    bool hideContentWhenChecked_ = false;
    std::shared_ptr<Node> checkNode_;
    std::shared_ptr<Node> contentNode_;
};

}  // namespace zr2d
