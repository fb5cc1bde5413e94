// SPDX-License-Identifier: GPL-3.0-or-later
#include "EventManager.h"

#include "Common/MyLog.h"

namespace zr2d {
namespace {

std::span<const uint8_t> CurrentKeyState() {
    return {SDL_GetKeyState(nullptr), EventManager::kKeyCount};
}

// The key of a key event as an index into the key state; none for a number SDL 1.2 does not use.
std::optional<size_t> KeyIndex(const SDL_Event& event) {
    const auto index = static_cast<size_t>(event.key.keysym.sym);
    if (index >= EventManager::kKeyCount) return std::nullopt;
    return index;
}

}  // namespace

EventManager::EventManager() : inputManager_("Main Input Handler") {
    SDL_EnableUNICODE(1);
    EndKeyRepeat();
}

void EventManager::EndKeyRepeat() { SDL_EnableKeyRepeat(kKeyRepeatDelayMs, kKeyRepeatIntervalMs); }

std::shared_ptr<InputHandler> EventManager::AddInputHandler(const std::optional<common::Rect>& area,
                                                            InputCallback callback) {
    return inputManager_.AddInputHandler(area, std::move(callback));
}

void EventManager::RemoveInputHandler(const std::shared_ptr<InputHandler>& handler) {
    inputManager_.RemoveInputHandler(handler);
}

void EventManager::HandleEvent(SDL_Event event) {
    lastEvent_ = event;
    const auto keyState = KeyState();
    switch (event.type) {
        case SDL_MOUSEMOTION:
            mousePosition_ = common::Point2D(event.motion.x, event.motion.y);
            inputManager_.Dispatch(EventType::MouseMove, keyState, mousePosition_);
            break;
        case SDL_MOUSEBUTTONUP:
            mousePosition_ = common::Point2D(event.button.x, event.button.y);
            inputManager_.Dispatch(event.button.button == SDL_BUTTON_LEFT ? EventType::MouseClick
                                                                          : EventType::MouseMove,
                                   keyState, mousePosition_);
            break;
        case SDL_KEYDOWN:
            if (event.key.state == SDL_PRESSED) {
                const auto key = KeyIndex(event);
                // A repeat of a key the screen before was pressed with.
                if (key && heldFromBefore_.test(*key)) break;
                // Before the dispatch: a handler may hand the input on to the next screen.
                if (key) pressed_.set(*key);
                inputManager_.Dispatch(EventType::KeyPress, keyState, mousePosition_);
            }
            break;
        case SDL_KEYUP:
            if (const auto key = KeyIndex(event)) {
                pressed_.reset(*key);
                heldFromBefore_.reset(*key);
            }
            break;
        default:
            break;
    }
}

void EventManager::TakeOverHeldKeys(const EventManager& previous) {
    const auto held = CurrentKeyState();
    const std::bitset<kKeyCount> pressedBefore = previous.pressed_ | previous.heldFromBefore_;
    for (size_t key = 0; key < kKeyCount; ++key) {
        if (pressedBefore.test(key) && held[key] != 0) heldFromBefore_.set(key);
    }
}

bool EventManager::IsHeldFromBefore(Keys key) const {
    const auto index = static_cast<size_t>(key);
    return index < kKeyCount && heldFromBefore_.test(index);
}

std::span<const uint8_t> EventManager::KeyState() {
    const auto state = CurrentKeyState();
    if (heldFromBefore_.none()) return state;
    for (size_t key = 0; key < kKeyCount; ++key) {
        maskedKeyState_[key] = heldFromBefore_.test(key) ? 0 : state[key];
    }
    return maskedKeyState_;
}

Keys EventManager::LastKey() const {
    if (lastEvent_.type != SDL_KEYDOWN) return Keys::Unknown;
    return static_cast<Keys>(lastEvent_.key.keysym.sym);
}

std::string EventManager::TypedText() const {
    const uint16_t u = lastEvent_.key.keysym.unicode;
    common::MyLog::Info("Unicode: " + std::to_string(u));
    if (u >= 32 && u <= 122) return std::string(1, static_cast<char>(u));
    if (u >= 160 && u <= 255) {
        return {static_cast<char>(0xC0 | (u >> 6)), static_cast<char>(0x80 | (u & 0x3F))};
    }
    return {};
}

}  // namespace zr2d
