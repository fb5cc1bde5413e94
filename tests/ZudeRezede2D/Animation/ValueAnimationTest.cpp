// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "Common/Exception.h"
#include "ZudeRezede2D/Animation/AnimationFade.h"
#include "ZudeRezede2D/Animation/AnimationMove.h"
#include "ZudeRezede2D/Animation/ValueManipulator.h"
#include "ZudeRezede2D/Scene/EmptyNode.h"

using common::Point3D;
using zr2d::AnimationManager;

namespace {

// A started clock: the next Update with ticks t hands time t - 1 to the animations.
std::shared_ptr<AnimationManager> Clock() {
    auto manager = std::make_shared<AnimationManager>();
    manager->Start();
    manager->Update(1);
    return manager;
}

struct Driven {
    float value = 0;
    std::vector<float> written;
    std::shared_ptr<zr2d::ValueManipulator> Manipulator(float acceleration, float maxSpeed,
                                                        float target) {
        return std::make_shared<zr2d::ValueManipulator>([this] { return value; },
                                                        [this](float v) {
                                                            value = v;
                                                            written.push_back(v);
                                                        },
                                                        acceleration, maxSpeed, target);
    }
};

std::shared_ptr<zr2d::EmptyNode> NewNode(const std::string& name) {
    return std::make_shared<zr2d::EmptyNode>(name, Point3D(0, 0, 0), Point3D(0, 0, 0));
}

}  // namespace

TEST(ValueManipulator, ConstantSpeedStepsPerFrameAndLandsOnTheTarget) {
    for (const float target : {25.0f, -25.0f}) {
        auto clock = Clock();
        Driven driven;
        auto manipulator = driven.Manipulator(0, 10, target);
        manipulator->Start(clock);
        for (uint32_t ticks = 17; ticks < 200; ticks += 16) clock->Update(ticks);
        const float sign = target > 0 ? 1.0f : -1.0f;
        EXPECT_EQ(driven.written, (std::vector<float>{10 * sign, 20 * sign, 25 * sign}));
        EXPECT_FALSE(manipulator->IsRunning());
    }
}

TEST(ValueManipulator, AccelerationAppliesOnTheFirstFrameAndIsCapped) {
    auto clock = Clock();
    Driven driven;
    auto manipulator = driven.Manipulator(22, 22, 255);
    manipulator->Start(clock);
    clock->Update(17);  // 16 ms: speed 0 + 0.016 * 220 = 3.52
    ASSERT_EQ(driven.written.size(), 1u);
    EXPECT_NEAR(driven.written[0], 3.52f, 1e-4f);
    for (uint32_t ticks = 33; ticks < 300; ticks += 16) clock->Update(ticks);
    // Capped at 22 per frame once it got there.
    ASSERT_GE(driven.written.size(), 9u);
    EXPECT_NEAR(driven.written[8] - driven.written[7], 22.0f, 1e-4f);

    // A value already at its target stops at the first frame, set to the target again.
    auto still = Clock();
    Driven there;
    there.value = 5;
    auto idle = there.Manipulator(0, 1, 5);
    idle->Start(still);
    still->Update(17);
    EXPECT_EQ(there.written, (std::vector<float>{5}));
    EXPECT_FALSE(idle->IsRunning());
}

TEST(AnimationFade, CrossFadesAndHidesTheOutgoingNodeAfterOneSecond) {
    auto clock = Clock();
    auto in = NewNode("in");
    auto out = NewNode("out");
    in->SetVisible(false);
    auto fade = std::make_shared<zr2d::AnimationFade>(in, out, 1.0f);
    std::vector<std::string> order;
    struct Recorder {
        std::vector<std::string>* order;
        void Stopped() { order->push_back("stopped"); }
    } recorder{&order};
    fade->Stopped().Add(common::Bind<>(&recorder, &Recorder::Stopped));
    fade->SetFinished([&order] { order.push_back("finished"); });
    fade->Start(clock);
    clock->Update(501);  // half way
    EXPECT_TRUE(in->Visible());
    EXPECT_NEAR(in->Transparency(), 127, 1);
    EXPECT_NEAR(out->Transparency(), 128, 1);
    EXPECT_THROW(fade->SetNodeIn(NewNode("x")), common::Exception);
    EXPECT_EQ(fade->NodeIn(), in);
    clock->Update(999);  // 998 ms: not yet
    EXPECT_EQ(in->Transparency(), 254);
    EXPECT_TRUE(order.empty());
    clock->Update(1001);
    EXPECT_EQ(in->Transparency(), 255);
    EXPECT_FALSE(out->Visible());
    EXPECT_EQ(order, (std::vector<std::string>{"stopped", "finished"}));
    EXPECT_NO_THROW(fade->SetNodeOut(nullptr));  // allowed again once stopped
}

TEST(AnimationFade, FadeSpeedMustBePositive) {
    auto fade = std::make_shared<zr2d::AnimationFade>(nullptr, nullptr, 2.0f);
    try {
        fade->SetFadeSpeed(0);
        FAIL() << "no exception";
    } catch (const common::Exception& e) {
        EXPECT_STREQ(e.what(), "Ungültiger Wert: 0.00000 für fadeSpeed");
    }
    EXPECT_EQ(fade->FadeSpeed(), 2.0f);
    EXPECT_THROW(zr2d::AnimationFade(nullptr, nullptr, -1.0f), common::Exception);
}

TEST(AnimationMove, MovesByVelocityPerSecond) {
    auto clock = Clock();
    auto node = NewNode("mover");
    node->SetPosition(Point3D(10, 0, 0));
    auto move = std::make_shared<zr2d::AnimationMove>(node, Point3D(100, -50, 0));
    move->Start(clock);
    clock->Update(251);
    clock->Update(501);
    EXPECT_NEAR(node->Position().X(), 60.0f, 1e-3f);
    EXPECT_NEAR(node->Position().Y(), -25.0f, 1e-3f);
}
