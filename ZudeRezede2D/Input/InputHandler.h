// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "Common/Rect.h"
#include "InputCallback.h"

namespace zr2d {

// One registration with an input manager: a callback, optionally tied to a screen area.
class InputHandler {
  public:
    InputHandler(std::optional<common::Rect> area, InputCallback callback)
        : area_(std::move(area)), callback_(std::move(callback)) {}
    virtual ~InputHandler() = default;

    virtual const std::optional<common::Rect>& Area() const { return area_; }
    virtual void SetArea(const std::optional<common::Rect>& area) { area_ = area; }

    // Strictly inside: the border counts as outside. No area or no position is outside.
    bool Contains(const std::optional<common::Point2D>& point) const;
    void Invoke(bool inArea, EventType kind, std::span<const uint8_t> keyState,
                const std::optional<common::Point2D>& mousePosition) const {
        callback_(inArea, kind, keyState, mousePosition);
    }

  private:
    std::optional<common::Rect> area_;
    InputCallback callback_;
};

}  // namespace zr2d
