// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "InputHandler.h"

namespace zr2d {

// Calls every active handler for every input event, in the order they were added; there is no
// focus and no consumption. Additions and removals wait for the start of the next dispatch, so
// handlers may change the registrations (their own included) while they run.
class InputManager {
  public:
    explicit InputManager(std::string name) : name_(std::move(name)) {}
    virtual ~InputManager() = default;

    // An empty callback throws ArgumentException("onInput").
    virtual std::shared_ptr<InputHandler> AddInputHandler(const std::optional<common::Rect>& area,
                                                          InputCallback callback);
    // Takes away one registration of the handler at the next dispatch.
    virtual void RemoveInputHandler(const std::shared_ptr<InputHandler>& handler);
    // Active handlers only: those added since the last dispatch are not counted yet.
    virtual int32_t HandlerCount() const { return static_cast<int32_t>(handlers_.size()); }
    virtual void Dispatch(EventType kind, std::span<const uint8_t> keyState,
                          std::optional<common::Point2D> mousePosition);

  private:
    std::vector<std::shared_ptr<InputHandler>> handlers_;
    std::vector<std::shared_ptr<InputHandler>> pendingRemovals_;
    std::vector<std::shared_ptr<InputHandler>> pendingAdditions_;
    std::string name_;
};

}  // namespace zr2d
