// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <vector>

#include "Common/Exception.h"
#include "Support/LogCapture.h"
#include "ZudeRezede2D/Animation/AnimationTimer.h"
#include "ZudeRezede2D/Animation/CustomAnimation.h"

using zr2d::AnimationManager;
using zr2d::AnimationTimer;
using zr2d::CustomAnimation;

namespace {

// Records every time it is handed; optionally in delta mode.
class Probe : public zr2d::Animation {
  public:
    explicit Probe(bool deltaMode) : Animation(deltaMode) {}
    void OnStart() override { ++starts; }
    void Animate(uint32_t time) override { times.push_back(time); }
    void OnStop() override { ++stops; }

    std::vector<uint32_t> times;
    int starts = 0;
    int stops = 0;
};

struct Flag {
    int count = 0;
    void Set() { ++count; }
};

}  // namespace

TEST(AnimationManager, TheFirstUpdateOnlyTakesTheReference) {
    auto manager = std::make_shared<AnimationManager>();
    auto probe = std::make_shared<Probe>(false);
    probe->Start(manager);
    manager->Update(5000);  // not running yet: ignored
    manager->Start();
    manager->Update(0);  // reference 0 is stored as 1
    EXPECT_TRUE(probe->times.empty());
    manager->Update(17);
    manager->Update(33);
    EXPECT_EQ(probe->times, (std::vector<uint32_t>{16, 32}));
    EXPECT_EQ(manager->Time(), 32u);

    // Showing the scene again restarts the clock.
    manager->Start();
    EXPECT_EQ(manager->Time(), 0u);
    manager->Update(1000);
    manager->Update(1010);
    EXPECT_EQ(probe->times.back(), 10u);
}

TEST(Animation, StartStopAndDeltaMode) {
    auto manager = std::make_shared<AnimationManager>();
    manager->Start();
    manager->Update(100);
    manager->Update(150);  // time 50
    auto probe = std::make_shared<Probe>(true);
    Flag stopped;
    Flag updated;
    probe->Stopped().Add(common::Bind<>(&stopped, &Flag::Set));
    probe->Updated().Add(common::Bind<>(&updated, &Flag::Set));
    probe->Start(manager);
    EXPECT_EQ(probe->StartTime(), 50u);
    EXPECT_EQ(manager->Count(), 1);

    auto other = std::make_shared<AnimationManager>();
    probe->Start(other);  // already running: ignored
    EXPECT_EQ(probe->Manager(), manager);
    EXPECT_EQ(probe->starts, 1);

    manager->Update(160);  // elapsed 10
    manager->Update(185);  // elapsed 35, delta 25
    EXPECT_EQ(probe->times, (std::vector<uint32_t>{10, 25}));
    EXPECT_EQ(updated.count, 2);

    probe->Stop();
    probe->Stop();
    EXPECT_EQ(probe->stops, 1);
    EXPECT_EQ(stopped.count, 1);
    EXPECT_EQ(probe->StartTime(), 0u);
    EXPECT_EQ(manager->Count(), 0);
    manager->Update(200);
    EXPECT_EQ(probe->times.size(), 2u);
    EXPECT_EQ(probe->Manager(), manager);
}

TEST(Animation, TimerStopsOnTheFirstFramePastItsDuration) {
    auto manager = std::make_shared<AnimationManager>();
    manager->Start();
    manager->Update(1);
    auto timer = std::make_shared<AnimationTimer>(1000);
    Flag stopped;
    Flag updated;
    timer->Stopped().Add(common::Bind<>(&stopped, &Flag::Set));
    timer->Updated().Add(common::Bind<>(&updated, &Flag::Set));
    timer->Start(manager);
    manager->Update(991);
    manager->Update(1001);
    EXPECT_TRUE(timer->IsRunning());
    manager->Update(1011);
    EXPECT_FALSE(timer->IsRunning());
    EXPECT_EQ(stopped.count, 1);
    // Stopping inside its own step still finishes that step.
    EXPECT_EQ(updated.count, 3);
    manager->Update(1100);
    EXPECT_EQ(updated.count, 3);
}

TEST(Animation, CustomAnimationCallsBackEveryFrameOrPerInterval) {
    auto manager = std::make_shared<AnimationManager>();
    manager->Start();
    manager->Update(10);
    std::vector<uint32_t> every;
    std::vector<uint32_t> spaced;
    auto each =
        std::make_shared<CustomAnimation>([&](uint32_t t) { every.push_back(t); }, std::nullopt);
    auto interval =
        std::make_shared<CustomAnimation>([&](uint32_t t) { spaced.push_back(t); }, 100);
    auto silent = std::make_shared<CustomAnimation>(nullptr, std::nullopt);
    each->Start(manager);
    interval->Start(manager);
    silent->Start(manager);
    for (uint32_t ticks = 26; ticks <= 330; ticks += 16) manager->Update(ticks);
    ASSERT_EQ(every.size(), 20u);
    EXPECT_EQ(every.front(), 16u);
    EXPECT_EQ(spaced, (std::vector<uint32_t>{112, 224}));
}

TEST(Animation, ARunningAnimationIsKeptByItsManagerOnly) {
    auto manager = std::make_shared<AnimationManager>();
    manager->Start();
    manager->Update(1);
    std::vector<uint32_t> times;
    auto animation =
        std::make_shared<CustomAnimation>([&](uint32_t t) { times.push_back(t); }, std::nullopt);
    std::weak_ptr<CustomAnimation> watch = animation;
    animation->Start(manager);
    animation.reset();  // started and forgotten: it still runs
    manager->Update(21);
    EXPECT_EQ(times, (std::vector<uint32_t>{20}));
    EXPECT_FALSE(watch.expired());
    manager.reset();  // the scene is gone: so is the animation
    EXPECT_TRUE(watch.expired());

    // An animation that outlives its manager can still stop.
    auto keeper = std::make_shared<AnimationManager>();
    auto orphan = std::make_shared<Probe>(false);
    orphan->Start(keeper);
    keeper.reset();
    orphan->Stop();
    EXPECT_EQ(orphan->stops, 1);
    EXPECT_EQ(orphan->Manager(), nullptr);

    // A timer nobody keeps stops itself and is released in that very step.
    auto clock = std::make_shared<AnimationManager>();
    clock->Start();
    clock->Update(1);
    std::weak_ptr<AnimationTimer> timer;
    {
        auto t = std::make_shared<AnimationTimer>(10);
        t->Start(clock);
        timer = t;
    }
    clock->Update(30);
    EXPECT_TRUE(timer.expired());
    EXPECT_EQ(clock->Count(), 0);
}

TEST(AnimationManager, AFailingAnimationIsLoggedAndRethrown) {
    testsupport::LogCapture log;
    auto manager = std::make_shared<AnimationManager>();
    manager->Start();
    manager->Update(1);
    auto failing = std::make_shared<CustomAnimation>(
        [](uint32_t) { throw std::runtime_error("kaputt"); }, std::nullopt);
    failing->Start(manager);
    try {
        manager->Update(2);
        FAIL() << "no exception";
    } catch (const common::Exception& e) {
        EXPECT_STREQ(e.what(), "Fehler in AnimationManager.Update");
        try {
            std::rethrow_if_nested(e);
            ADD_FAILURE() << "no cause";
        } catch (const std::runtime_error& cause) {
            EXPECT_STREQ(cause.what(), "kaputt");  // the cause travels along
        }
    }
    EXPECT_TRUE(log.Contains("| Fehler in AnimationManager.Update\n"));
}
