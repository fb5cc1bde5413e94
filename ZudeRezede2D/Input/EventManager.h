// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <SDL.h>

#include <memory>
#include <optional>
#include <span>
#include <string>

#include "InputManager.h"
#include "Keys.h"

namespace zr2d {

// Each scene's receiver of window-system events: reduces them to mouse moves, left clicks and
// key presses, keeps the mouse position and key state, and dispatches to its input manager.
class EventManager {
  public:
    EventManager();
    virtual ~EventManager() = default;

    virtual std::shared_ptr<InputHandler> AddInputHandler(const std::optional<common::Rect>& area,
                                                          InputCallback callback);
    virtual void RemoveInputHandler(const std::shared_ptr<InputHandler>& handler);
    virtual void HandleEvent(SDL_Event event);
    // The character of the last key event: printable ASCII up to 'z' and Latin-1 from 160
    // (umlauts, ß) as UTF-8; anything else is empty.
    virtual std::string TypedText() const;
    virtual int32_t HandlerCount() const { return inputManager_.HandlerCount(); }
    // The key of the key press being handled (Unknown for other events). Unlike the key-state
    // array it still names a key that was released again before this event was handled.
    Keys LastKey() const;

    const std::optional<common::Point2D>& MousePosition() const { return mousePosition_; }

  private:
    std::optional<common::Point2D> mousePosition_;
    InputManager inputManager_;
    SDL_Event lastEvent_{};
};

}  // namespace zr2d
