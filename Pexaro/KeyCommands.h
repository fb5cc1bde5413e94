// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <map>
#include <memory>

#include "ZudeRezede2D/Input/EventManager.h"
#include "ZudeRezede2D/Input/Keys.h"

namespace pexaro {

// Runs a command when its key is pressed, for playing without a mouse. Owned by the screen
// whose commands it runs; the event manager may outlive it, so its handler holds the commands
// weakly and does nothing once they are gone.
class KeyCommands {
  public:
    explicit KeyCommands(zr2d::EventManager& events);

    void On(zr2d::Keys key, std::function<void()> command);

  private:
    using Commands = std::map<zr2d::Keys, std::function<void()>>;
    std::shared_ptr<Commands> commands_;
};

}  // namespace pexaro
