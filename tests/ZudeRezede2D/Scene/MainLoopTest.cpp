// SPDX-License-Identifier: GPL-3.0-or-later
#include <SDL.h>
#include <SDL_ttf.h>
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "Common/Exception.h"
#include "Support/GameEngineFixture.h"
#include "ZudeRezede2D/Animation/CustomAnimation.h"

using common::Point2D;
using common::Point3D;

namespace zr2d::test {
namespace {

struct FrameCounter {
    int frames = 0;
    void Count() { ++frames; }
};

// Records the clicks a scene's event manager delivers. Only clicks: the real window also
// produces motion events of its own when it opens under the pointer.
std::shared_ptr<InputHandler> Record(Scene& scene, std::vector<std::string>& seen,
                                     const std::string& tag) {
    return scene.EventManager()->AddInputHandler(
        std::nullopt, [&seen, tag](bool, EventType kind, auto, const auto& position) {
            if (kind != EventType::MouseClick) return;
            seen.push_back(tag + (position ? "@" + position->ToText() : ""));
        });
}

using MainLoopTest = GameEngineTest;

}  // namespace

TEST_F(MainLoopTest, EventsBeforeAQuitAreDeliveredAndNothingAfterIt) {
    std::vector<std::string> seen;
    Record(*scene_, seen, "k");
    FrameCounter counter;
    engine_->FrameEvent().Add(common::Bind<>(&counter, &FrameCounter::Count));
    Push(Click(5, 6));
    PushQuit();
    Push(Click(7, 8));
    engine_->Run();
    EXPECT_EQ(seen, (std::vector<std::string>{"k@5.00000|6.00000"}));
    EXPECT_EQ(counter.frames, 0);  // the quit came in the first poll: no frame drawn
    EXPECT_FALSE(engine_->IsRunning());
    engine_->Run();  // returns at once once stopped
    EXPECT_EQ(counter.frames, 0);
}

TEST_F(MainLoopTest, FramesRunUntilQuitAndRaiseTheFrameEvent) {
    struct QuitAfter {
        int frames = 0;
        void Frame() {
            if (++frames == 3) PushQuit();
        }
    } quitter;
    engine_->FrameEvent().Add(common::Bind<>(&quitter, &QuitAfter::Frame));
    int updates = 0;
    scene_->SetUpdateHandler([&updates] { ++updates; });
    engine_->Run();
    EXPECT_EQ(quitter.frames, 3);
    EXPECT_EQ(updates, 0);  // never enabled
}

TEST_F(MainLoopTest, AFailingSceneUpdateEndsRunWithAWarningAndDisposesCleanly) {
    scene_->EnableUpdateHandler();
    scene_->SetUpdateHandler([] { throw std::runtime_error("frame failed"); });
    engine_->Run();
    EXPECT_TRUE(log_.Contains("| Fehler in Scene.Update Test\n"));
    EXPECT_TRUE(log_.Contains("Warn  Warning - "));
    // The warning says where it failed, then the cause.
    EXPECT_TRUE(log_.Contains("Warning| Fehler in Scene.Update Test\n"));
    EXPECT_TRUE(log_.Contains("Warning| frame failed\n"));
    engine_->Dispose();
    EXPECT_TRUE(log_.Contains("| Disposing ok\n"));
}

TEST_F(MainLoopTest, SceneLogLinesNamesAndClockRestart) {
    auto other = engine_->CreateScene("X");
    EXPECT_TRUE(log_.Contains("| New Scene X\n"));
    EXPECT_TRUE(log_.Contains("| New Scene X end\n"));
    EXPECT_EQ(other->Root()->Name(), "X_root");
    EXPECT_EQ(other->Camera()->Name(), "X_camera");
    EXPECT_EQ(engine_->CurrentScene(), scene_);  // creating does not show

    std::vector<uint32_t> times;
    auto animation =
        std::make_shared<CustomAnimation>([&](uint32_t t) { times.push_back(t); }, std::nullopt);
    animation->Start(other->AnimationManager());
    other->Update(100);  // not shown yet: the clock does not run
    other->ShowScene(false);
    other->Update(5000);
    other->Update(5016);
    EXPECT_EQ(times, (std::vector<uint32_t>{16}));
    EXPECT_FALSE(scene_->IsDisposed());  // replaced without disposing
}

TEST_F(MainLoopTest, BackgroundColourAppliesAtTheNextShow) {
    scene_->SetBackgroundColor(common::Color(255, 0, 0, 255));
    DrawFrame();
    EXPECT_EQ(Pixel(1, 1).r, 0);
    scene_->ShowScene(false);
    DrawFrame();
    EXPECT_EQ(Pixel(1, 1).r, 255);
}

TEST_F(MainLoopTest, TheCursorNodeFollowsTheMouseAndKeys) {
    auto cursor =
        scene_->NodeFactory().CreateEmptyNode("cursor", Point3D(0, 0, 3), Point3D(0, 0, 0));
    scene_->SetCursor(scene_->Root(), cursor);
    SDL_Event motion{};
    motion.type = SDL_MOUSEMOTION;
    motion.motion.x = 40;
    motion.motion.y = 30;
    scene_->EventManager()->HandleEvent(motion);
    EXPECT_TRUE(cursor->Position().Equals(Point3D(40, 30, 3)));
    cursor->SetPosition(Point3D(0, 0, 3));
    SDL_Event key{};
    key.type = SDL_KEYDOWN;
    key.key.state = SDL_PRESSED;
    scene_->EventManager()->HandleEvent(key);
    EXPECT_TRUE(cursor->Position().Equals(Point3D(40, 30, 3)));
    EXPECT_EQ(scene_->Root()->Children().Find("cursor"), cursor);
}

// The game replaces scenes and shuts the engine down from inside its own handlers; these run
// in the sanitizer build, which reports any use of freed memory.
TEST_F(MainLoopTest, SwitchingSceneInsideAnInputHandler) {
    auto next = engine_->CreateScene("Next");
    std::weak_ptr<Scene> old = scene_;
    scene_->EventManager()->AddInputHandler(std::nullopt,
                                            [&](bool, EventType kind, auto, const auto&) {
                                                if (kind == EventType::MouseClick)
                                                    next->ShowScene(true);
                                            });
    std::vector<std::string> seen;
    Record(*next, seen, "n");
    scene_.reset();  // only the engine holds the shown scene now
    Push(Click(1, 1));
    Push(Click(2, 2));  // still queued: goes to the new scene in the same poll
    struct QuitAfterOne {
        void Frame() { PushQuit(); }
    } quit;
    engine_->FrameEvent().Add(common::Bind<>(&quit, &QuitAfterOne::Frame));
    engine_->Run();
    EXPECT_EQ(engine_->CurrentScene(), next);
    EXPECT_EQ(seen, (std::vector<std::string>{"n@2.00000|2.00000"}));
    EXPECT_TRUE(old.expired());  // released once the frame had unwound
}

// A key that switches screens and is held on: its repeats, still queued or still to come, stay
// with the screen before. The switch is the one place where SDL's key repeat ends.
TEST_F(MainLoopTest, ASwitchOnAHeldKeyEndsItsRepeatAndTheNextSceneIgnoresIt) {
    const auto keyEvent = [](uint8_t type, SDLKey sym) {
        SDL_Event e{};
        e.type = type;
        e.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
        e.key.keysym.sym = sym;
        return e;
    };
    const auto repeat = [] {
        int delay = -1;
        int interval = -1;
        SDL_GetKeyRepeat(&delay, &interval);
        return std::to_string(delay) + "/" + std::to_string(interval);
    };
    auto next = engine_->CreateScene("Next");
    EXPECT_EQ(repeat(), "300/40");  // every new scene sets it up
    SDL_EnableKeyRepeat(0, 0);      // as if the next scene had been made long before
    int switches = 0;
    scene_->EventManager()->AddInputHandler(std::nullopt,
                                            [&](bool, EventType kind, auto, const auto&) {
                                                if (kind != EventType::KeyPress) return;
                                                ++switches;
                                                next->ShowScene(false);
                                            });
    std::vector<std::string> seen;
    next->EventManager()->AddInputHandler(
        std::nullopt, [&](bool, EventType kind, std::span<const uint8_t> keys, const auto&) {
            if (kind != EventType::KeyPress) return;
            const Keys key = next->EventManager()->LastKey();
            seen.push_back(std::to_string(static_cast<int>(key)) +
                           (keys[SDLK_RETURN] != 0 ? "+return" : ""));
        });
    // The window's own events first: focus events make SDL read the real key state anew.
    engine_->Step(984);
    Uint8* keys = SDL_GetKeyState(nullptr);
    keys[SDLK_RETURN] = 1;
    Push(keyEvent(SDL_KEYDOWN, SDLK_RETURN));
    Push(keyEvent(SDL_KEYDOWN, SDLK_RETURN));  // repeats, queued behind the press
    Push(keyEvent(SDL_KEYDOWN, SDLK_RETURN));
    Push(keyEvent(SDL_KEYDOWN, SDLK_TAB));  // another key still counts
    engine_->Step(1000);
    EXPECT_EQ(switches, 1);
    EXPECT_EQ(engine_->CurrentScene(), next);
    EXPECT_EQ(repeat(), "300/40");
    EXPECT_EQ(seen, (std::vector<std::string>{"9"}));  // Return does not show as held either
    keys[SDLK_RETURN] = 0;
    Push(keyEvent(SDL_KEYUP, SDLK_RETURN));
    Push(keyEvent(SDL_KEYDOWN, SDLK_RETURN));  // pressed anew
    engine_->Step(1016);
    EXPECT_EQ(seen, (std::vector<std::string>{"9", "13"}));
    // Showing the shown scene again is no switch.
    SDL_EnableKeyRepeat(0, 0);
    next->ShowScene(false);
    EXPECT_EQ(repeat(), "0/0");
    EventManager::EndKeyRepeat();
}

TEST_F(MainLoopTest, SwitchingSceneInsideAFrameHandlerAndAnAnimation) {
    auto second = engine_->CreateScene("Second");
    auto third = engine_->CreateScene("Third");
    struct Switcher {
        std::shared_ptr<Scene> target;
        int frames = 0;
        void Frame() {
            // Handed over: from now on only the engine holds the scene.
            if (++frames == 1) std::exchange(target, nullptr)->ShowScene(true);
            if (frames == 4) PushQuit();
        }
    } switcher{second};
    engine_->FrameEvent().Add(common::Bind<>(&switcher, &Switcher::Frame));
    // In the second scene, an animation replaces it by the third on its first frame.
    auto animation = std::make_shared<CustomAnimation>(
        [&third](uint32_t) {
            if (third) third->ShowScene(true);
        },
        std::nullopt);
    animation->Start(second->AnimationManager());
    auto secondProbe =
        second->NodeFactory().CreateEmptyNode("probe", Point3D(0, 0, 0), Point3D(0, 0, 0));
    second->Root()->AddChild(secondProbe);
    std::weak_ptr<Scene> weakSecond = second;
    second.reset();
    engine_->Run();
    EXPECT_EQ(engine_->CurrentScene(), third);
    EXPECT_TRUE(scene_->IsDisposed());
    EXPECT_TRUE(weakSecond.expired());
    EXPECT_EQ(secondProbe->Parent(), nullptr);  // its tree was disposed and released
}

TEST_F(MainLoopTest, DisposingTheEngineInsideAnInputHandlerAndAgainAfterRun) {
    scene_->EventManager()->AddInputHandler(std::nullopt,
                                            [this](bool, EventType kind, auto, const auto&) {
                                                if (kind == EventType::MouseClick)
                                                    engine_->Dispose();
                                            });
    Push(Click(1, 1));
    Push(Click(2, 2));
    engine_->Run();
    EXPECT_FALSE(engine_->IsRunning());
    EXPECT_TRUE(scene_->IsDisposed());
    engine_->Dispose();
    const std::string text = log_.Text();
    EXPECT_EQ(text.find("| Closing GameEngine\n"), text.rfind("| Closing GameEngine\n"));
}

TEST_F(MainLoopTest, ShowingTheCurrentSceneAgainNeverDisposesIt) {
    scene_->ShowScene(true);
    EXPECT_FALSE(scene_->IsDisposed());
    EXPECT_EQ(engine_->CurrentScene(), scene_);
    auto other = engine_->CreateScene("Other");
    other->ShowScene(true);
    EXPECT_TRUE(scene_->IsDisposed());
}

}  // namespace zr2d::test

namespace zr2d::test {

TEST(GameEngineStart, AVideoEngineThatFailsLeavesSdlShutDown) {
    ASSERT_EQ(SDL_WasInit(SDL_INIT_EVERYTHING), 0u);
    // A colour depth the engine refuses after it has started SDL.
    EXPECT_THROW(GameEngine(VideoSettings(Point2D(640, 480), 24, false, 512), "x", nullptr),
                 common::Exception);
    EXPECT_EQ(SDL_WasInit(SDL_INIT_EVERYTHING), 0u);
    EXPECT_EQ(TTF_WasInit(), 0);
}

}  // namespace zr2d::test
