// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <SDL.h>

#include <memory>
#include <string>
#include <vector>

#include "Support/GameEngineFixture.h"
#include "ZudeRezede2D/Widgets/Frame.h"
#include "ZudeRezede2D/Widgets/Group.h"

namespace zr2d::test {

// Counts calls; its method is a parameterless handler with identity.
struct Counter {
    int count = 0;
    void Count() { ++count; }
};

// A frame at (100, 100) of 400 x 300 in the shown pixel-view scene, whose node creator gives
// every control a coloured background, mouse-over and check rectangle. Input goes through the
// scene's event manager as constructed SDL events.
class WidgetTest : public GameEngineTest {
  protected:
    static constexpr float kFrameX = 100;
    static constexpr float kFrameY = 100;

    WidgetTest();
    ~WidgetTest() override;

    std::shared_ptr<Frame> MakeFrame(const std::string& name, NodeCreator creator);
    Group& Main() { return *frame_->MainGroup(); }
    // One drawn frame: frames and controls register (or move) their input areas.
    void Draw() { DrawFrame(); }
    void MoveTo(int x, int y);
    void ClickAt(int x, int y);
    // A key press whose key is held in the key state while it is handled.
    void PressKey(SDLKey key, uint16_t unicode = 0);
    // A key press handled after its release: the key state says "up".
    void TapKey(SDLKey key, uint16_t unicode = 0);
    // Each character of ASCII or Latin-1 text as a held key press.
    void Type(const std::string& latin1);
    std::shared_ptr<Font> font_;
    std::shared_ptr<Frame> frame_;
    // Every part the creator was asked for, as "<type>/<part>/<control name>".
    std::vector<std::string> requests_;

  private:
    void Key(SDLKey key, uint16_t unicode, bool held);
};

}  // namespace zr2d::test
