// SPDX-License-Identifier: GPL-3.0-or-later
#include "EventManager.h"

#include "Common/MyLog.h"

namespace zr2d {
namespace {

constexpr size_t kKeyStateSize = 323;

std::span<const uint8_t> CurrentKeyState() { return {SDL_GetKeyState(nullptr), kKeyStateSize}; }

}  // namespace

EventManager::EventManager() : inputManager_("Main Input Handler") {
    SDL_EnableUNICODE(1);
    SDL_EnableKeyRepeat(300, 40);
}

std::shared_ptr<InputHandler> EventManager::AddInputHandler(const std::optional<common::Rect>& area,
                                                            InputCallback callback) {
    return inputManager_.AddInputHandler(area, std::move(callback));
}

void EventManager::RemoveInputHandler(const std::shared_ptr<InputHandler>& handler) {
    inputManager_.RemoveInputHandler(handler);
}

void EventManager::HandleEvent(SDL_Event event) {
    lastEvent_ = event;
    const auto keyState = CurrentKeyState();
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
                inputManager_.Dispatch(EventType::KeyPress, keyState, mousePosition_);
            }
            break;
        default:
            break;
    }
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
