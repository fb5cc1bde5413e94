// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "Common/Exception.h"
#include "Common/MyLog.h"
#include "Support/GameEngineFixture.h"

using common::Color;
using common::Point3D;
using common::Rect;

namespace zr2d::test {
namespace {

// A node that can fail while drawing or disposing and records its disposal.
class ProbeNode : public EmptyNode {
  public:
    ProbeNode(const std::string& name, std::vector<std::string>* disposed)
        : EmptyNode(name, Point3D(0, 0, 0), Point3D(0, 0, 0)), disposed_(disposed) {}
    void Draw(GameEngine&) override {
        if (failDraw) throw std::runtime_error("draw failed");
    }
    void DisposeNode(GameEngine&) override {
        disposed_->push_back(Name());
        if (failDispose) throw std::runtime_error("dispose failed in " + Name());
    }
    bool failDraw = false;
    bool failDispose = false;

  private:
    std::vector<std::string>* disposed_;
};

bool IsWhite(const testsupport::Rgba& p) { return p.r > 250 && p.g > 250 && p.b > 250; }
bool IsBlack(const testsupport::Rgba& p) { return p.r < 5 && p.g < 5 && p.b < 5; }

class NodeTreeTest : public GameEngineTest {
  protected:
    NodeFactory& factory() { return scene_->NodeFactory(); }
};

}  // namespace

TEST_F(NodeTreeTest, ChildrenAreDrawnInTheirParentsScaledFrame) {
    auto parent = factory().CreateEmptyNode("parent", Point3D(100, 50, 0), Point3D(0, 0, 0));
    parent->SetScale(Point3D(2, 2, 1));
    auto child = factory().CreateColorNode("child", Rect(Point3D(10, 0, 0), Point3D(10, 10, 0)),
                                           Color(255, 255, 255, 255));
    parent->AddChild(child);
    // Only positions add up; the parent's scale is ignored here.
    EXPECT_TRUE(child->AbsolutePosition().Equals(Point3D(110, 50, 0)));
    scene_->Root()->AddChild(parent);
    DrawFrame();
    // The child's 10 x 10 appears at (120, 50) as 20 x 20.
    EXPECT_TRUE(IsWhite(Pixel(121, 51)));
    EXPECT_TRUE(IsWhite(Pixel(139, 69)));
    EXPECT_TRUE(IsBlack(Pixel(118, 55)));
    EXPECT_TRUE(IsBlack(Pixel(141, 55)));
    EXPECT_TRUE(IsBlack(Pixel(125, 71)));
}

TEST_F(NodeTreeTest, TheInnermostTransparencyWinsAndHiddenSubtreesAreSkipped) {
    auto parent = factory().CreateEmptyNode("parent", Point3D(0, 0, 0), Point3D(0, 0, 0));
    parent->SetTransparency(200);
    auto faint = factory().CreatePictureNode(WhiteTexture(20, 20), Point3D(10, 10, 0));
    faint->SetTransparency(100);
    auto inheriting = factory().CreatePictureNode(WhiteTexture(20, 20), Point3D(50, 10, 0));
    auto hiddenGroup = factory().CreateEmptyNode("hidden", Point3D(90, 10, 0), Point3D(0, 0, 0));
    hiddenGroup->AddChild(factory().CreatePictureNode(WhiteTexture(20, 20), Point3D(0, 0, 0)));
    parent->AddChild(faint);
    parent->AddChild(inheriting);
    parent->AddChild(hiddenGroup);
    scene_->Root()->AddChild(parent);

    hiddenGroup->SetTransparency(0);
    EXPECT_FALSE(hiddenGroup->Visible());
    EXPECT_EQ(hiddenGroup->Transparency(), 0);
    DrawFrame();
    // Replaced, not multiplied: 100, not 200 * 100 / 255.
    EXPECT_NEAR(Pixel(20, 20).r, 100, 2);
    EXPECT_NEAR(Pixel(60, 20).r, 200, 2);
    EXPECT_TRUE(IsBlack(Pixel(100, 20)));

    hiddenGroup->SetTransparency(128);
    EXPECT_TRUE(hiddenGroup->Visible());
    EXPECT_EQ(hiddenGroup->Transparency(), 128);
    hiddenGroup->SetTransparency(300);
    EXPECT_EQ(hiddenGroup->Transparency(), 255);
    DrawFrame();
    EXPECT_NEAR(Pixel(100, 20).r, 200, 2);  // opaque itself, so it inherits the parent's 200
}

TEST_F(NodeTreeTest, AFailureDeepInTheTreeNamesTheTopmostNode) {
    std::vector<std::string> disposed;
    auto top = std::make_shared<ProbeNode>("top", &disposed);
    auto middle = std::make_shared<ProbeNode>("middle", &disposed);
    auto bottom = std::make_shared<ProbeNode>("bottom", &disposed);
    bottom->failDraw = true;
    top->AddChild(middle);
    middle->AddChild(bottom);
    try {
        top->Update(*engine_);
        FAIL() << "no exception";
    } catch (const common::Exception& e) {
        EXPECT_STREQ(e.what(), "Node.Update Error in Node top");
        // The warning that finally reports it names every node down to the cause, in order.
        common::MyLog::Warning(e);
        const std::string warned = log_.Text();
        size_t at = 0;
        for (const std::string line : {"top", "middle", "bottom"}) {
            at = warned.find("Warning| Node.Update Error in Node " + line + "\n", at);
            EXPECT_NE(at, std::string::npos) << line;
        }
        EXPECT_NE(warned.find("Warning| draw failed\n", at), std::string::npos);
    }
    const std::string text = log_.Text();
    EXPECT_TRUE(log_.Contains("| Error in Node.Update (bottom): draw failed\n"));
    EXPECT_TRUE(
        log_.Contains("| Error in Node.Update (middle): Node.Update Error in Node bottom\n"));
    EXPECT_TRUE(log_.Contains("| Error in Node.Update (top): Node.Update Error in Node middle\n"));
    size_t pairs = 0;
    for (size_t at = text.find("| Fehler in Node.Update\n"); at != std::string::npos;
         at = text.find("| Fehler in Node.Update\n", at + 1)) {
        ++pairs;
    }
    EXPECT_EQ(pairs, 3u);
}

TEST_F(NodeTreeTest, DisposeGoesDepthFirstAndSwallowsErrors) {
    std::vector<std::string> disposed;
    auto top = std::make_shared<ProbeNode>("top", &disposed);
    auto a = std::make_shared<ProbeNode>("a", &disposed);
    auto a1 = std::make_shared<ProbeNode>("a1", &disposed);
    auto b = std::make_shared<ProbeNode>("b", &disposed);
    auto c = std::make_shared<ProbeNode>("c", &disposed);
    top->AddChild(a);
    a->AddChild(a1);
    top->AddChild(b);
    top->AddChild(c);
    a1->failDispose = true;  // its parent still releases its own resources
    b->AddChild(std::make_shared<ProbeNode>("b1", &disposed));
    top->Dispose(*engine_);
    EXPECT_EQ(disposed, (std::vector<std::string>{"a1", "a", "b1", "b", "c", "top"}));
    EXPECT_TRUE(log_.Contains("| Error in DisposeNode at Node a1\n"));
    EXPECT_TRUE(log_.Contains("Warning| dispose failed in a1\n"));
    EXPECT_EQ(top->ChildCount(), 0);
    top->Dispose(*engine_);  // a second dispose releases nothing twice
    EXPECT_EQ(disposed.size(), 6u);
}

TEST_F(NodeTreeTest, SizesRotationAndLookup) {
    auto node = factory().CreateEmptyNode("n", Point3D(0, 0, 0), Point3D(100, 40, 0));
    node->SetScale(Point3D(0.5f, 2, 1));
    EXPECT_TRUE(node->Size().Equals(Point3D(50, 80, 0)));
    node->SetSize(Point3D(10, 10, 0));
    EXPECT_TRUE(node->Size().Equals(Point3D(5, 20, 0)));
    EXPECT_TRUE(node->Rotation().Equals(Point3D(0, 0, 0)));

    auto picture = factory().CreatePictureNode(WhiteTexture(200, 100), Point3D(0, 0, 0));
    EXPECT_TRUE(picture->Size().Equals(Point3D(200, 100, 0)));
    picture->SetSize(Point3D(50, 50, 0));
    EXPECT_TRUE(picture->Size().Equals(Point3D(200, 100, 0)));
    picture->SetScale(Point3D(2, 2, 1));
    EXPECT_TRUE(picture->Size().Equals(Point3D(400, 200, 0)));
    picture->SetScale(std::nullopt);
    picture->SetUseSize(true);
    EXPECT_TRUE(picture->Size().Equals(Point3D(50, 50, 0)));

    auto first = factory().CreateEmptyNode("twin", Point3D(1, 0, 0), Point3D(0, 0, 0));
    auto second = factory().CreateEmptyNode("twin", Point3D(2, 0, 0), Point3D(0, 0, 0));
    node->AddChild(first);
    node->AddChild(second);
    EXPECT_EQ(node->Children().Find("twin"), first);
    EXPECT_EQ(node->Children().Find("Twin"), nullptr);
    EXPECT_THROW(node->Child(2), std::out_of_range);
    EXPECT_EQ(first->Parent(), node.get());
}

TEST_F(NodeTreeTest, PictureNodesNeedATextureAndStretchOverTheirSize) {
    EXPECT_THROW(factory().CreatePictureNode(dir_.File("missing.png"), Point3D(0, 0, 0)),
                 common::Exception);
    EXPECT_NE(log_.Text().find("Datei " + dir_.File("missing.png") + " ist nicht vorhanden"),
              std::string::npos);
#ifndef _WIN32
    // A file that cannot even be checked is not reported as missing (a link loop: links are
    // a privilege on Windows).
    std::filesystem::create_symlink("loop.png", dir_.File("loop.png"));
    EXPECT_THROW(factory().CreatePictureNode(dir_.File("loop.png"), Point3D(0, 0, 0)),
                 common::Exception);
    EXPECT_NE(log_.Text().find("Cannot read " + dir_.File("loop.png") + ": "), std::string::npos);
    EXPECT_EQ(log_.Text().find("Datei " + dir_.File("loop.png") + " ist nicht vorhanden"),
              std::string::npos);
#endif
    // A power-of-two picture, so that its texture has no transparent padding to stretch.
    auto picture = factory().CreatePictureNode(WhiteTexture(16, 16), Point3D(5, 5, 0));
    picture->SetUseSize(true);
    picture->SetSize(Point3D(40, 30, 0));
    picture->SetTint(Color(255, 0, 0, 255));
    scene_->Root()->AddChild(picture);
    DrawFrame();
    const auto inside = Pixel(40, 30);
    EXPECT_GT(inside.r, 250);
    EXPECT_LT(inside.g, 5);
    EXPECT_TRUE(IsBlack(Pixel(46, 30)));
    EXPECT_TRUE(IsBlack(Pixel(40, 36)));
}

TEST_F(NodeTreeTest, CameraSettingsApplyAtTheNextFrame) {
    scene_->Root()->AddChild(factory().CreateColorNode(
        "box", Rect(Point3D(0, 0, 0), Point3D(20, 20, 0)), Color(255, 255, 255, 255)));
    DrawFrame();
    EXPECT_TRUE(IsWhite(Pixel(10, 10)));
    // The default perspective camera turns the content by 180 degrees around the centre.
    scene_->Camera()->SetIs2D(false);
    DrawFrame();
    EXPECT_TRUE(IsBlack(Pixel(10, 10)));
    scene_->Camera()->SetIs2D(true);
    scene_->Camera()->SetPosition(Point3D(0, 0, 10));
    DrawFrame();
    EXPECT_TRUE(IsWhite(Pixel(10, 10)));
}

}  // namespace zr2d::test
