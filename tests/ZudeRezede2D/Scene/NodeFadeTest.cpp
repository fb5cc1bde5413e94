// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <vector>

#include "Support/GameEngineFixture.h"
#include "ZudeRezede2D/Helper/NodeFadeTransparent.h"

using common::Point3D;

namespace zr2d::test {
namespace {

struct FinishCounter {
    std::vector<std::shared_ptr<Node>> nodes;
    void Finished(std::shared_ptr<Node> node) { nodes.push_back(std::move(node)); }
};

class NodeFadeTest : public GameEngineTest {
  protected:
    // Steps the scene's clock by one 16 ms frame (the first call only takes the reference).
    void Frame() {
        ticks_ += 16;
        scene_->AnimationManager()->Update(ticks_);
    }
    uint32_t ticks_ = 1000;
};

}  // namespace

TEST_F(NodeFadeTest, FadesDownStepByStepHidesAndReportsOnce) {
    auto node = scene_->NodeFactory().CreateEmptyNode("card", Point3D(0, 0, 0), Point3D(0, 0, 0));
    FinishCounter counter;
    auto fade = NodeFadeTransparent::Create(*scene_, node, 0, 0, 51, true);
    fade->Finished().Add(common::Bind<std::shared_ptr<Node>>(&counter, &FinishCounter::Finished));
    Frame();  // reference
    std::vector<int> seen;
    for (int i = 0; i < 5; ++i) {
        Frame();
        seen.push_back(node->Transparency());
    }
    EXPECT_EQ(seen, (std::vector<int>{204, 153, 102, 51, 0}));
    EXPECT_FALSE(node->Visible());
    EXPECT_TRUE(counter.nodes.empty());
    Frame();
    EXPECT_FALSE(fade->IsRunning());
    ASSERT_EQ(counter.nodes.size(), 1u);
    EXPECT_EQ(counter.nodes[0], node);
    Frame();
    EXPECT_EQ(counter.nodes.size(), 1u);

    // A new target starts the finished fade again; the node shows at its first step up.
    fade->SetTargetValue(255);
    EXPECT_TRUE(fade->IsRunning());
    Frame();
    EXPECT_TRUE(node->Visible());
    EXPECT_EQ(node->Transparency(), 51);
}

TEST_F(NodeFadeTest, AnUnstartedFadeWaitsForItsTarget) {
    auto node = scene_->NodeFactory().CreateEmptyNode("msg", Point3D(0, 0, 0), Point3D(0, 0, 0));
    auto fade = NodeFadeTransparent::Create(*scene_, node, 0, 0, 100, false);
    Frame();
    Frame();
    EXPECT_EQ(node->Transparency(), 255);
    EXPECT_EQ(scene_->AnimationManager()->Count(), 0);
    fade->SetTargetValue(100);
    Frame();
    EXPECT_EQ(node->Transparency(), 155);
    EXPECT_EQ(fade->TargetValue(), 100);
}

}  // namespace zr2d::test
