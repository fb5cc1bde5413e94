// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <vector>

#include "Support/GameEngineFixture.h"
#include "ZudeRezede2D/Scene/CustomAnimationNode.h"
#include "ZudeRezede2D/Scene/NodeHelper.h"
#include "ZudeRezede2D/Video/Data/SingleVertices.h"

using common::Color;
using common::Point3D;

namespace zr2d::test {
namespace {

class Ticker : public CustomAnimationNode {
  public:
    Ticker(Scene& scene)
        : CustomAnimationNode("ticker", Point3D(0, 0, 0), Point3D(0, 0, 0), scene) {}
    void AnimateNode(uint32_t time) override { times.push_back(time); }
    std::vector<uint32_t> times;
};

using CustomNodeTest = GameEngineTest;

}  // namespace

TEST_F(CustomNodeTest, AnimationNodesStartWithTheirFirstDrawAndStopWhenDisposed) {
    auto hidden = std::make_shared<Ticker>(*scene_);
    hidden->SetVisible(false);
    auto shown = std::make_shared<Ticker>(*scene_);
    scene_->Root()->AddChild(hidden);
    scene_->Root()->AddChild(shown);
    for (uint32_t ticks = 1000; ticks <= 1064; ticks += 16) DrawFrame(ticks);
    EXPECT_TRUE(hidden->times.empty());
    // Started while drawing the first frame; its first call comes one frame later.
    EXPECT_EQ(shown->times, (std::vector<uint32_t>{16, 32, 48, 64}));
    EXPECT_EQ(scene_->AnimationManager()->Count(), 1);
    shown->Dispose(*engine_);
    EXPECT_EQ(scene_->AnimationManager()->Count(), 0);
    DrawFrame(1080);
    EXPECT_EQ(shown->times.size(), 4u);
    hidden->Dispose(*engine_);  // never drawn: nothing to stop
}

TEST_F(CustomNodeTest, GradientRectangleRunsFromTheTopColourToTheBottomColour) {
    const Color top(255, 0, 0, 255);
    const Color bottom(0, 0, 255, 255);
    auto vertices = NodeHelper::CreateGradientRectangle(Point3D(100, 20, 5), top, bottom);
    auto list = std::dynamic_pointer_cast<SingleVertices>(vertices);
    ASSERT_TRUE(list);
    const std::vector<Point3D> corners{Point3D(0, 0, 0), Point3D(0, 20, 0), Point3D(100, 20, 0),
                                       Point3D(100, 0, 0)};
    for (uint32_t i = 0; i < 4; ++i) {
        EXPECT_TRUE(list->GetVertex(i)->Position().Equals(corners[i])) << i;
    }
    EXPECT_TRUE(vertices->Size().Equals(Point3D(100, 20, 0)));

    scene_->Root()->AddChild(scene_->NodeFactory().CreateSimpleFormNode(
        "gradient", Point3D(10, 10, 0), BasicShapeType::Quads,
        NodeHelper::CreateGradientRectangle(Point3D(100, 100, 0), top, bottom)));
    DrawFrame();
    const auto high = Pixel(60, 12);
    const auto low = Pixel(60, 107);
    EXPECT_GT(high.r, 240);
    EXPECT_LT(high.b, 15);
    EXPECT_LT(low.r, 15);
    EXPECT_GT(low.b, 240);
}

}  // namespace zr2d::test
