// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "Common/Exception.h"
#include "Support/LogCapture.h"
#include "ZudeRezede2D/Input/InputManager.h"

using common::Point2D;
using common::Point3D;
using common::Rect;
using zr2d::EventType;
using zr2d::InputManager;

namespace {

const std::array<uint8_t, 323> kNoKeys{};

// Records "<name>:<inArea>" for every call.
zr2d::InputCallback Recorder(std::vector<std::string>& calls, const std::string& name) {
    return [&calls, name](bool inArea, EventType, std::span<const uint8_t>,
                          const std::optional<Point2D>&) {
        calls.push_back(name + ":" + (inArea ? "in" : "out"));
    };
}

void Move(InputManager& manager, float x, float y) {
    manager.Dispatch(EventType::MouseMove, kNoKeys, Point2D(x, y));
}

}  // namespace

TEST(InputManager, AreaBordersAreOutside) {
    InputManager manager("test");
    std::vector<std::string> calls;
    manager.AddInputHandler(Rect(Point3D(0, 0, 0), Point3D(100, 50, 0)), Recorder(calls, "a"));
    for (const auto& p : {Point2D(0, 10), Point2D(100, 10), Point2D(50, 50), Point2D(50, 0),
                          Point2D(1, 1), Point2D(99, 49)}) {
        Move(manager, p.X(), p.Y());
    }
    EXPECT_EQ(calls,
              (std::vector<std::string>{"a:out", "a:out", "a:out", "a:out", "a:in", "a:in"}));
}

TEST(InputManager, EveryHandlerIsCalledInOrderAndUnboundOnesAreNeverInside) {
    InputManager manager("test");
    std::vector<std::string> calls;
    manager.AddInputHandler(std::nullopt, Recorder(calls, "all"));
    manager.AddInputHandler(Rect(Point3D(0, 0, 0), Point3D(20, 20, 0)), Recorder(calls, "one"));
    manager.AddInputHandler(Rect(Point3D(10, 10, 0), Point3D(20, 20, 0)), Recorder(calls, "two"));
    Move(manager, 15, 15);
    manager.Dispatch(EventType::KeyPress, kNoKeys, std::nullopt);  // no position yet
    EXPECT_EQ(calls, (std::vector<std::string>{"all:out", "one:in", "two:in", "all:out", "one:out",
                                               "two:out"}));
}

TEST(InputManager, AdditionsAndRemovalsWaitForTheNextDispatch) {
    InputManager manager("test");
    std::vector<std::string> calls;
    auto a = manager.AddInputHandler(std::nullopt, Recorder(calls, "a"));
    EXPECT_EQ(manager.HandlerCount(), 0);
    Move(manager, 1, 1);
    EXPECT_EQ(manager.HandlerCount(), 1);

    // Added and removed between two dispatches: the removal finds nothing, the addition wins.
    auto b = manager.AddInputHandler(std::nullopt, Recorder(calls, "b"));
    manager.RemoveInputHandler(b);
    Move(manager, 1, 1);
    EXPECT_EQ(manager.HandlerCount(), 2);

    // Each removal takes one registration: a handler registered twice needs two.
    manager.RemoveInputHandler(a);
    manager.RemoveInputHandler(b);
    Move(manager, 1, 1);
    EXPECT_EQ(manager.HandlerCount(), 0);
}

TEST(InputManager, HandlersChangingRegistrationsDuringADispatch) {
    InputManager manager("test");
    std::vector<std::string> calls;
    std::shared_ptr<zr2d::InputHandler> self;
    std::shared_ptr<zr2d::InputHandler> added;
    self = manager.AddInputHandler(std::nullopt, [&](bool, EventType, auto, const auto&) {
        calls.push_back("self");
        manager.RemoveInputHandler(self);
        if (!added) added = manager.AddInputHandler(std::nullopt, Recorder(calls, "new"));
    });
    manager.AddInputHandler(std::nullopt, Recorder(calls, "later"));
    Move(manager, 1, 1);
    EXPECT_EQ(calls, (std::vector<std::string>{"self", "later:out"}));
    calls.clear();
    Move(manager, 1, 1);
    EXPECT_EQ(calls, (std::vector<std::string>{"later:out", "new:out"}));
}

TEST(InputManager, EmptyCallbackIsRefusedAfterTheLogLine) {
    testsupport::LogCapture log;
    InputManager manager("Main Input Handler");
    try {
        manager.AddInputHandler(Rect(Point3D(1, 2, 0), Point3D(3, 4, 0)), nullptr);
        FAIL() << "no exception";
    } catch (const common::ArgumentException& e) {
        EXPECT_STREQ(e.what(), "onInput");
    }
    manager.AddInputHandler(std::nullopt, [](bool, EventType, auto, const auto&) {});
    EXPECT_TRUE(
        log.Contains("| AddInputHandler in Main Input Handler, space: "
                     "1.00000|2.00000|0.00000/3.00000|4.00000|0.00000\n"));
    EXPECT_TRUE(log.Contains("| AddInputHandler in Main Input Handler, space: all\n"));
    Move(manager, 0, 0);
    EXPECT_EQ(manager.HandlerCount(), 1);
}

TEST(InputManager, AThrowingHandlerEndsTheDispatch) {
    InputManager manager("test");
    std::vector<std::string> calls;
    manager.AddInputHandler(
        std::nullopt, [](bool, EventType, auto, const auto&) { throw std::runtime_error("boom"); });
    manager.AddInputHandler(std::nullopt, Recorder(calls, "after"));
    EXPECT_THROW(Move(manager, 1, 1), std::runtime_error);
    EXPECT_TRUE(calls.empty());
    EXPECT_EQ(manager.HandlerCount(), 2);
}
