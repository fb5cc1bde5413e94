// SPDX-License-Identifier: GPL-3.0-or-later
#include <SDL.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Support/LogCapture.h"
#include "ZudeRezede2D/Input/EventManager.h"

using common::Point2D;
using zr2d::EventType;

namespace {

struct Seen {
    EventType kind;
    bool hasPosition;
    Point2D position;
    bool returnHeld;
};

class EventManagerTest : public ::testing::Test {
  protected:
    EventManagerTest() {
        manager.AddInputHandler(
            std::nullopt, [this](bool inArea, EventType kind, std::span<const uint8_t> keys,
                                 const std::optional<Point2D>& position) {
                EXPECT_FALSE(inArea);
                EXPECT_EQ(keys.size(), 323u);
                seen.push_back({kind, position.has_value(), position.value_or(Point2D(-1, -1)),
                                keys[SDLK_RETURN] != 0});
            });
    }
    ~EventManagerTest() override {
        Uint8* keys = SDL_GetKeyState(nullptr);
        keys[SDLK_RETURN] = keys[SDLK_a] = keys[SDLK_b] = 0;
    }

    static SDL_Event Motion(uint16_t x, uint16_t y) {
        SDL_Event e{};
        e.type = SDL_MOUSEMOTION;
        e.motion.x = x;
        e.motion.y = y;
        return e;
    }
    static SDL_Event Button(uint8_t type, uint8_t button, uint16_t x, uint16_t y) {
        SDL_Event e{};
        e.type = type;
        e.button.button = button;
        e.button.x = x;
        e.button.y = y;
        return e;
    }
    static SDL_Event Key(uint8_t type, SDLKey sym, uint16_t unicode) {
        SDL_Event e{};
        e.type = type;
        e.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
        e.key.keysym.sym = sym;
        e.key.keysym.unicode = unicode;
        return e;
    }

    zr2d::EventManager manager;
    std::vector<Seen> seen;
};

}  // namespace

TEST_F(EventManagerTest, AKeyBeforeAnyMouseEventHasNoPosition) {
    SDL_GetKeyState(nullptr)[SDLK_RETURN] = 1;  // SDL's own key-state array, as SDL fills it
    manager.HandleEvent(Key(SDL_KEYDOWN, SDLK_RETURN, 13));
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].kind, EventType::KeyPress);
    EXPECT_FALSE(seen[0].hasPosition);
    EXPECT_TRUE(seen[0].returnHeld);
    EXPECT_FALSE(manager.MousePosition().has_value());
    EXPECT_EQ(manager.LastKey(), zr2d::Keys::Return);
    manager.HandleEvent(Motion(1, 1));
    EXPECT_EQ(manager.LastKey(), zr2d::Keys::Unknown);
}

TEST_F(EventManagerTest, MouseEventsBecomeMovesAndLeftClicks) {
    manager.HandleEvent(Motion(10, 20));
    manager.HandleEvent(Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 30, 40));  // nothing
    manager.HandleEvent(Button(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 30, 40));
    manager.HandleEvent(Button(SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT, 50, 60));
    manager.HandleEvent(Key(SDL_KEYUP, SDLK_a, 'a'));  // nothing
    manager.HandleEvent(Key(SDL_KEYDOWN, SDLK_a, 'a'));
    ASSERT_EQ(seen.size(), 4u);
    EXPECT_EQ(seen[0].kind, EventType::MouseMove);
    EXPECT_TRUE(seen[0].position.Equals(Point2D(10, 20)));
    EXPECT_EQ(seen[1].kind, EventType::MouseClick);
    EXPECT_TRUE(seen[1].position.Equals(Point2D(30, 40)));
    EXPECT_EQ(seen[2].kind, EventType::MouseMove);
    EXPECT_TRUE(seen[2].position.Equals(Point2D(50, 60)));
    // A key press carries the last known mouse position.
    EXPECT_EQ(seen[3].kind, EventType::KeyPress);
    EXPECT_TRUE(seen[3].position.Equals(Point2D(50, 60)));
}

TEST_F(EventManagerTest, TypedTextRanges) {
    testsupport::LogCapture log;
    const auto typed = [this](uint16_t unicode) {
        manager.HandleEvent(Key(SDL_KEYDOWN, SDLK_UNKNOWN, unicode));
        return manager.TypedText();
    };
    EXPECT_EQ(typed('z'), "z");
    EXPECT_EQ(typed(' '), " ");
    EXPECT_EQ(typed(228), "ä");
    EXPECT_EQ(typed(223), "ß");
    EXPECT_EQ(typed(160), "\xC2\xA0");
    EXPECT_EQ(typed(255), "ÿ");
    EXPECT_EQ(typed('~'), "");
    EXPECT_EQ(typed('{'), "");
    EXPECT_EQ(typed(13), "");
    EXPECT_EQ(typed(159), "");
    EXPECT_EQ(typed(0x20AC), "");  // € lies above Latin-1
    EXPECT_TRUE(log.Contains("| Unicode: 228\n"));
}

TEST_F(EventManagerTest, HandlerCountWaitsForTheNextDispatch) {
    EXPECT_EQ(manager.HandlerCount(), 0);
    manager.HandleEvent(Motion(1, 1));
    EXPECT_EQ(manager.HandlerCount(), 1);
    manager.AddInputHandler(std::nullopt, [](bool, EventType, auto, const auto&) {});
    EXPECT_EQ(manager.HandlerCount(), 1);
    SDL_Event other{};
    other.type = SDL_ACTIVEEVENT;  // not dispatched, so nothing is applied yet
    manager.HandleEvent(other);
    EXPECT_EQ(manager.HandlerCount(), 1);
    manager.HandleEvent(Motion(2, 2));
    EXPECT_EQ(manager.HandlerCount(), 2);
}

// The press that switched screens, held on: the next screen gets none of its repeats, and does
// not see it held, until it is released; a press of another key still arrives.
TEST_F(EventManagerTest, AKeyHeldAcrossTheSwitchIsIgnoredUntilReleased) {
    Uint8* keys = SDL_GetKeyState(nullptr);
    zr2d::EventManager previous;
    keys[SDLK_RETURN] = 1;
    previous.HandleEvent(Key(SDL_KEYDOWN, SDLK_RETURN, 13));
    manager.TakeOverHeldKeys(previous);
    EXPECT_TRUE(manager.IsHeldFromBefore(zr2d::Keys::Return));
    manager.HandleEvent(Key(SDL_KEYDOWN, SDLK_RETURN, 13));  // a repeat
    EXPECT_TRUE(seen.empty());
    keys[SDLK_a] = 1;
    manager.HandleEvent(Key(SDL_KEYDOWN, SDLK_a, 'a'));
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_FALSE(seen[0].returnHeld);
    keys[SDLK_a] = 0;
    manager.HandleEvent(Key(SDL_KEYUP, SDLK_a, 'a'));

    // Taken over once more before the release: the third screen ignores it as well.
    zr2d::EventManager third;
    third.TakeOverHeldKeys(manager);
    EXPECT_TRUE(third.IsHeldFromBefore(zr2d::Keys::Return));
    EXPECT_FALSE(third.IsHeldFromBefore(static_cast<zr2d::Keys>(SDLK_a)));

    keys[SDLK_RETURN] = 0;
    manager.HandleEvent(Key(SDL_KEYUP, SDLK_RETURN, 13));
    EXPECT_FALSE(manager.IsHeldFromBefore(zr2d::Keys::Return));
    keys[SDLK_RETURN] = 1;
    manager.HandleEvent(Key(SDL_KEYDOWN, SDLK_RETURN, 13));  // pressed anew
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_TRUE(seen[1].returnHeld);
    EXPECT_EQ(manager.LastKey(), zr2d::Keys::Return);
}

// Only a key whose press was handled before the switch counts: a key that SDL's state shows held
// because its press is still queued is a new press, and one whose release is queued is not held.
TEST_F(EventManagerTest, OnlyKeysPressedBeforeTheSwitchAndStillHeldAreIgnored) {
    Uint8* keys = SDL_GetKeyState(nullptr);
    zr2d::EventManager previous;
    previous.HandleEvent(Key(SDL_KEYDOWN, SDLK_RETURN, 13));  // released again: state up
    keys[SDLK_a] = 1;                                         // pressed, not yet handled
    manager.TakeOverHeldKeys(previous);
    EXPECT_FALSE(manager.IsHeldFromBefore(zr2d::Keys::Return));
    EXPECT_FALSE(manager.IsHeldFromBefore(static_cast<zr2d::Keys>(SDLK_a)));
    manager.HandleEvent(Key(SDL_KEYDOWN, SDLK_a, 'a'));
    manager.HandleEvent(Key(SDL_KEYDOWN, SDLK_RETURN, 13));
    EXPECT_EQ(seen.size(), 2u);

    // A key released before the switch, as far as the events tell, is not carried either.
    zr2d::EventManager earlier;
    keys[SDLK_b] = 1;
    earlier.HandleEvent(Key(SDL_KEYDOWN, SDLK_b, 'b'));
    earlier.HandleEvent(Key(SDL_KEYUP, SDLK_b, 'b'));  // and pressed again, its press queued
    zr2d::EventManager next;
    next.TakeOverHeldKeys(earlier);
    EXPECT_FALSE(next.IsHeldFromBefore(static_cast<zr2d::Keys>(SDLK_b)));
}
