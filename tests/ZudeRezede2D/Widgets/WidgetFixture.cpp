// SPDX-License-Identifier: GPL-3.0-or-later
#include "WidgetFixture.h"

#include <cstdlib>

#include "ZudeRezede2D/Widgets/Control.h"

namespace zr2d::test {

using common::Color;
using common::Point3D;
using common::Rect;

WidgetTest::WidgetTest() {
    font_ = std::make_shared<Font>("test", PEXARO_FONT_FILE, 15, Color(255, 255, 255, 255));
    frame_ = MakeFrame("f", [this](WidgetType type, WidgetNodeType part, Control& control) {
        requests_.push_back(std::to_string(static_cast<int>(type)) + "/" +
                            std::to_string(static_cast<int>(part)) + "/" + control.Name());
        if (part == WidgetNodeType::Sound) return std::shared_ptr<Node>();
        const Color colour = part == WidgetNodeType::Background  ? Color(0, 0, 200, 255)
                             : part == WidgetNodeType::MouseOver ? Color(200, 200, 0, 255)
                                                                 : Color(0, 200, 0, 255);
        return std::static_pointer_cast<Node>(scene_->NodeFactory().CreateColorNode(
            control.Name() + "_part" + std::to_string(static_cast<int>(part)),
            Rect(Point3D(0, 0, 0), control.Size()), colour));
    });
}

WidgetTest::~WidgetTest() {
    // The fixture's engine disposes the scene; nothing may stay held in the key state.
    Uint8* keys = SDL_GetKeyState(nullptr);
    keys[SDLK_BACKSPACE] = keys[SDLK_RETURN] = keys[SDLK_KP_ENTER] = 0;
}

std::shared_ptr<Frame> WidgetTest::MakeFrame(const std::string& name, NodeCreator creator) {
    auto frame =
        std::make_shared<Frame>(name, Rect(Point3D(kFrameX, kFrameY, 0), Point3D(400, 300, 0)),
                                scene_, font_, std::move(creator));
    scene_->Root()->AddChild(frame);
    return frame;
}

void WidgetTest::MoveTo(int x, int y) {
    SDL_Event e{};
    e.type = SDL_MOUSEMOTION;
    e.motion.x = static_cast<Uint16>(x);
    e.motion.y = static_cast<Uint16>(y);
    scene_->EventManager()->HandleEvent(e);
}

void WidgetTest::ClickAt(int x, int y) {
    scene_->EventManager()->HandleEvent(Click(static_cast<Uint16>(x), static_cast<Uint16>(y)));
}

void WidgetTest::Key(SDLKey key, uint16_t unicode, bool held) {
    SDL_Event e{};
    e.type = SDL_KEYDOWN;
    e.key.state = SDL_PRESSED;
    e.key.keysym.sym = key;
    e.key.keysym.unicode = unicode;
    Uint8* keys = SDL_GetKeyState(nullptr);
    keys[key] = held ? 1 : 0;
    scene_->EventManager()->HandleEvent(e);
    keys[key] = 0;
}

void WidgetTest::PressKey(SDLKey key, uint16_t unicode) { Key(key, unicode, true); }

void WidgetTest::TapKey(SDLKey key, uint16_t unicode) { Key(key, unicode, false); }

void WidgetTest::Type(const std::string& latin1) {
    for (const char c : latin1) {
        const auto code = static_cast<uint16_t>(static_cast<unsigned char>(c));
        PressKey(code < 128 ? static_cast<SDLKey>(code) : SDLK_WORLD_0, code);
    }
}

}  // namespace zr2d::test
