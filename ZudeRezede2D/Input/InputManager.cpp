// SPDX-License-Identifier: GPL-3.0-or-later
#include "InputManager.h"

#include <algorithm>

#include "Common/Exception.h"
#include "Common/MyLog.h"

namespace zr2d {

std::shared_ptr<InputHandler> InputManager::AddInputHandler(const std::optional<common::Rect>& area,
                                                            InputCallback callback) {
    common::MyLog::Info("AddInputHandler in " + name_ +
                        ", space: " + (area ? area->ToText() : std::string("all")));
    if (!callback) throw common::ArgumentException("onInput");
    auto handler = std::make_shared<InputHandler>(area, std::move(callback));
    pendingAdditions_.push_back(handler);
    return handler;
}

void InputManager::RemoveInputHandler(const std::shared_ptr<InputHandler>& handler) {
    pendingRemovals_.push_back(handler);
}

void InputManager::Dispatch(EventType kind, std::span<const uint8_t> keyState,
                            std::optional<common::Point2D> mousePosition) {
    for (const auto& removal : pendingRemovals_) {
        const auto found = std::find(handlers_.begin(), handlers_.end(), removal);
        if (found != handlers_.end()) handlers_.erase(found);
    }
    pendingRemovals_.clear();
    handlers_.insert(handlers_.end(), pendingAdditions_.begin(), pendingAdditions_.end());
    pendingAdditions_.clear();

    // A copy, so that a handler that ends this manager's owner cannot pull the list away.
    const auto active = handlers_;
    for (const auto& handler : active) {
        handler->Invoke(handler->Contains(mousePosition), kind, keyState, mousePosition);
    }
}

}  // namespace zr2d
