// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <memory>

#include "Common/Exception.h"
#include "ZudeRezede2D/Animation/CustomAnimation.h"
#include "ZudeRezede2D/Animation/TimedAnimationList.h"

namespace zr2d {
namespace {

// A manager whose clock the test sets: the first update only takes the reference.
class TimedListTest : public ::testing::Test {
  public:
    void CountFinished() { ++finished_; }

  protected:
    TimedListTest() {
        manager_->Start();
        manager_->Update(1000);
    }
    void Frame(uint32_t time) { manager_->Update(1000 + time); }

    std::shared_ptr<AnimationManager> manager_ = std::make_shared<AnimationManager>();
    int finished_ = 0;
};

TEST_F(TimedListTest, EntriesStartOnTheFirstFramePastTheirTimeAndTheListEndsOneFrameLater) {
    auto first = std::make_shared<CustomAnimation>([](uint32_t) {}, std::nullopt);
    auto second = std::make_shared<CustomAnimation>([](uint32_t) {}, std::nullopt);
    auto list = std::make_shared<TimedAnimationList>();
    list->AddAnimation(first, 0, 0).AddAnimation(second, 500, 0);
    list->Finished().Add(common::Bind<>(this, &TimedListTest::CountFinished));
    list->Start(manager_);

    Frame(0);  // t = 0 is not past 0
    EXPECT_FALSE(first->IsRunning());
    Frame(10);
    EXPECT_TRUE(first->IsRunning());
    EXPECT_EQ(first->StartTime(), 10u);
    Frame(500);
    EXPECT_FALSE(second->IsRunning());
    Frame(501);
    EXPECT_TRUE(second->IsRunning());
    EXPECT_TRUE(list->IsRunning());
    EXPECT_EQ(finished_, 0);
    Frame(520);
    EXPECT_FALSE(list->IsRunning());
    EXPECT_EQ(finished_, 1);
    // It does not wait for its entries, and finishes once.
    EXPECT_TRUE(first->IsRunning());
    Frame(600);
    EXPECT_EQ(finished_, 1);

    // Started again, the entries start again (once they are free).
    first->Stop();
    second->Stop();
    list->Start(manager_);
    Frame(610);
    Frame(620);
    EXPECT_TRUE(first->IsRunning());
    EXPECT_FALSE(second->IsRunning());
}

TEST_F(TimedListTest, AnEmptyListFinishesAtItsFirstFrame) {
    auto list = std::make_shared<TimedAnimationList>();
    list->Finished().Add(common::Bind<>(this, &TimedListTest::CountFinished));
    list->Start(manager_);
    Frame(5);
    EXPECT_FALSE(list->IsRunning());
    EXPECT_EQ(finished_, 1);
    EXPECT_EQ(manager_->Count(), 0);
}

TEST_F(TimedListTest, ADurationStopsTheEntryAfterTheListHasFinished) {
    auto bounded = std::make_shared<CustomAnimation>([](uint32_t) {}, std::nullopt);
    auto endless = std::make_shared<CustomAnimation>([](uint32_t) {}, std::nullopt);
    {
        // Nobody but the manager keeps the list.
        auto list = std::make_shared<TimedAnimationList>();
        list->AddAnimation(bounded, 0, 100).AddAnimation(endless, 0, 0);
        list->Start(manager_);
    }
    Frame(10);  // both start
    Frame(20);  // the list finishes
    Frame(110);
    EXPECT_TRUE(bounded->IsRunning());  // 100 ms of its own time, not more than that
    Frame(111);
    EXPECT_FALSE(bounded->IsRunning());
    Frame(5000);
    EXPECT_TRUE(endless->IsRunning());
    EXPECT_EQ(manager_->Count(), 1);
}

TEST_F(TimedListTest, AnEntryStillRunningWaitsUntilItIsFree) {
    auto busy = std::make_shared<CustomAnimation>([](uint32_t) {}, std::nullopt);
    busy->Start(manager_);
    auto list = std::make_shared<TimedAnimationList>();
    list->AddAnimation(busy, 0, 0);
    list->Start(manager_);
    Frame(10);
    Frame(20);
    EXPECT_TRUE(list->IsRunning());
    busy->Stop();
    Frame(30);
    EXPECT_TRUE(busy->IsRunning());
    EXPECT_EQ(busy->StartTime(), 30u);
}

TEST_F(TimedListTest, ConnectorsNeedTheListsManager) {
    common::Event<> trigger;
    auto animation = std::make_shared<CustomAnimation>([](uint32_t) {}, std::nullopt);
    auto delayed = std::make_shared<CustomAnimation>([](uint32_t) {}, std::nullopt);
    auto list = std::make_shared<TimedAnimationList>();
    list->AddConnector(animation, trigger.AddHandler());
    list->AddTimedConnector(std::make_shared<TimedAnimationStarter>(delayed, 50, 0),
                            trigger.AddHandler());
    try {
        trigger.Raise();
        FAIL() << "no exception";
    } catch (const common::Exception& error) {
        EXPECT_STREQ(error.what(),
                     "animationManager is null, AnimationConnector kann nicht gestartet werden.");
    }

    common::Event<> timedTrigger;
    TimedAnimationList timedOnly;
    timedOnly.AddTimedConnector(std::make_shared<TimedAnimationStarter>(delayed, 0, 0),
                                timedTrigger.AddHandler());
    try {
        timedTrigger.Raise();
        FAIL() << "no exception";
    } catch (const common::Exception& error) {
        EXPECT_STREQ(
            error.what(),
            "animationManager is null, TimedAnimationConnector kann nicht gestartet werden.");
    }

    // Once the list has run, its manager serves the connectors; the timed one counts its
    // start time from the moment the trigger fired.
    list->Start(manager_);
    Frame(100);  // the empty list finishes; its connectors stay
    EXPECT_FALSE(list->IsRunning());
    trigger.Raise();
    EXPECT_TRUE(animation->IsRunning());
    EXPECT_FALSE(delayed->IsRunning());
    Frame(150);
    EXPECT_FALSE(delayed->IsRunning());
    Frame(151);
    EXPECT_TRUE(delayed->IsRunning());
    EXPECT_EQ(delayed->StartTime(), 151u);
}

TEST_F(TimedListTest, AConnectorWhoseListIsGoneIgnoresItsTrigger) {
    common::Event<> trigger;
    auto animation = std::make_shared<CustomAnimation>([](uint32_t) {}, std::nullopt);
    {
        auto list = std::make_shared<TimedAnimationList>();
        list->AddConnector(animation, trigger.AddHandler());
        list->AddTimedConnector(std::make_shared<TimedAnimationStarter>(animation, 0, 0),
                                trigger.AddHandler());
        list->Start(manager_);
        list->Stop();
    }
    trigger.Raise();  // the sanitizer build would catch a dangling handler
    EXPECT_FALSE(animation->IsRunning());
}

TEST(TimedAnimationStarterTest, RefusesNullsAndUpdatesOnlyPastItsTime) {
    EXPECT_THROW(TimedAnimationStarter(nullptr, 0, 0), common::ArgumentException);
    EXPECT_THROW(TimedAnimationList().AddStarter(nullptr), common::ArgumentException);
    auto manager = std::make_shared<AnimationManager>();
    auto animation = std::make_shared<CustomAnimation>([](uint32_t) {}, std::nullopt);
    TimedAnimationStarter starter(animation, 200, 0);
    starter.Update(manager, 200);
    EXPECT_FALSE(starter.Started());
    starter.Update(manager, 201);
    EXPECT_TRUE(starter.Started());
    EXPECT_TRUE(animation->IsRunning());
    EXPECT_THROW(starter.Update(nullptr, 300), common::ArgumentException);
}

}  // namespace
}  // namespace zr2d
