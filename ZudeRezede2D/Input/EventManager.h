// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <SDL.h>

#include <array>
#include <bitset>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "InputManager.h"
#include "Keys.h"

namespace zr2d {

// Each scene's receiver of window-system events: reduces them to mouse moves, left clicks and
// key presses, keeps the mouse position and key state, and dispatches to its input manager.
//
// A key held since before the scene took over the input belongs to the screen before: its key
// repeats are dropped and the key counts as up in the key state handed on, until it is released
// (TakeOverHeldKeys).
class EventManager {
  public:
    // The number of keys SDL 1.2 knows (SDLK_LAST): the size of the key-state array.
    static constexpr size_t kKeyCount = 323;
    // SDL's key repeat on every screen: a held key repeats after 300 ms, then every 40 ms.
    static constexpr int kKeyRepeatDelayMs = 300;
    static constexpr int kKeyRepeatIntervalMs = 40;

    // Ends the repeat of whatever key is held now and keeps key repeat on for the next press:
    // setting SDL's key repeat anew restarts its timer, on both SDL 1.2 libraries, from the next
    // press on. Every new manager sets it up; the engine calls it again at every screen switch
    // (GameEngine::SetEventManager), since the next scene may have been made long before.
    static void EndKeyRepeat();

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
    // Called when this manager takes over the input from previous (a screen switch): every key
    // whose press previous (or a manager before it) handled and that is still held now counts
    // as held from before. A held key sends nothing but repeats of that press until it is
    // released, so only repeats are dropped, never a new press; a key whose release is still
    // queued (or was lost) is not held in SDL's key state and stays out.
    void TakeOverHeldKeys(const EventManager& previous);
    // Whether key presses of this key are dropped: held since before the take-over, not released.
    bool IsHeldFromBefore(Keys key) const;

    const std::optional<common::Point2D>& MousePosition() const { return mousePosition_; }

  private:
    // SDL's key state with the keys held from before shown as up; valid until the next call.
    std::span<const uint8_t> KeyState();

    std::optional<common::Point2D> mousePosition_;
    InputManager inputManager_;
    SDL_Event lastEvent_{};
    // Keys whose press was handled here and whose release has not come yet.
    std::bitset<kKeyCount> pressed_;
    std::bitset<kKeyCount> heldFromBefore_;
    std::array<uint8_t, kKeyCount> maskedKeyState_{};
};

}  // namespace zr2d
