// SPDX-License-Identifier: GPL-3.0-or-later
#include "KeyCommands.h"

namespace pexaro {

KeyCommands::KeyCommands(zr2d::EventManager& events) : commands_(std::make_shared<Commands>()) {
    // The manager owns the handler, so the reference stays valid while it can be called.
    events.AddInputHandler(std::nullopt, [&events, weak = std::weak_ptr<Commands>(commands_)](
                                             bool, zr2d::EventType kind, std::span<const uint8_t>,
                                             const std::optional<common::Point2D>&) {
        if (kind != zr2d::EventType::KeyPress) return;
        // Held while the command runs: it may replace the screen that owns the commands.
        const auto commands = weak.lock();
        if (!commands) return;
        const auto found = commands->find(events.LastKey());
        if (found != commands->end()) found->second();
    });
}

void KeyCommands::On(zr2d::Keys key, std::function<void()> command) {
    (*commands_)[key] = std::move(command);
}

}  // namespace pexaro
