// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <array>
#include <memory>

#include "Common/Exception.h"
#include "Support/GameEngineFixture.h"
#include "Support/HostCommand.h"
#include "ZudeRezede2D/Scene/DynamicMeshNode.h"

namespace zr2d::test {
namespace {

using common::Point3D;
using Red = std::array<int, 3>;
const Red kRed{255, 0, 0};
const Red kBlack{0, 0, 0};

// Square quads, each bound to one bone (or none), with a red texture. Corners are listed so
// that the pixel view (y down) shows their front.
class SkinningTest : public GameEngineTest {
  protected:
    void AddQuad(float x0, float y0, float size, int16_t bone) {
        const auto first = static_cast<int32_t>(positions_.size());
        positions_.push_back({x0, y0, 0});
        positions_.push_back({x0, y0 + size, 0});
        positions_.push_back({x0 + size, y0 + size, 0});
        positions_.push_back({x0 + size, y0, 0});
        for (const int32_t k : {0, 1, 2, 0, 2, 3}) {
            corners_.push_back({first + k, 0, 0, bone});
            if (corners_.size() % 3 == 0) {
                faces_.push_back(data::Face{{corners_[0], corners_[1], corners_[2]}, 3});
                corners_.clear();
            }
        }
    }
    std::shared_ptr<DynamicMeshNode> MeshNode(const Point3D& position) {
        auto material = std::make_shared<Material>("red");
        const std::string file = dir_.File("red.png");
        EXPECT_EQ(testsupport::HostCommand("convert -size 8x8 xc:red PNG32:" + file), 0);
        material->SetTexture(
            engine_->VideoEngine().Factory().CreateTextureFromFile(file, false, 0));
        auto mesh = std::make_shared<IndexedVertices>(
            positions_, std::vector<data::Vertex>{{0.5f, 0.5f, 0}},
            std::vector<data::Vertex>{{0, 0, 1}},
            std::vector<data::FaceGroup>{{faces_, material, "quads"}});
        auto node = std::make_shared<DynamicMeshNode>("mesh", position, mesh);
        scene_->Root()->AddChild(node);
        return node;
    }

    std::vector<data::Vertex> positions_;
    std::vector<data::Index> corners_;
    std::vector<data::Face> faces_;
};

TEST_F(SkinningTest, BonesAreNumberedInCreationOrderAcrossTheHierarchy) {
    AddQuad(0, 0, 10, -1);
    auto mesh = MeshNode(Point3D(0, 0, 0));
    auto a = mesh->AddBone("A", Point3D(1, 0, 0));
    auto a1 = a->AddBone("A1", Point3D(2, 0, 0));
    auto b = mesh->AddBone("B", Point3D(3, 0, 0));
    ASSERT_EQ(mesh->Bones().size(), 3u);
    EXPECT_EQ(mesh->Bones()[0], a);
    EXPECT_EQ(mesh->Bones()[1], a1);
    EXPECT_EQ(mesh->Bones()[2], b);
    EXPECT_EQ(a1->Parent(), a.get());
    EXPECT_EQ(mesh->ChildBones().size(), 2u);
}

TEST_F(SkinningTest, AMeshWithoutBonesDrawsAsLoadedInTheNodesFrame) {
    AddQuad(0, 0, 40, -1);
    MeshNode(Point3D(100, 200, 0));
    DrawFrame();
    EXPECT_EQ(Pixel(120, 220).Rgb(), kRed);
    EXPECT_EQ(Pixel(102, 202).Rgb(), kRed);
    EXPECT_EQ(Pixel(138, 238).Rgb(), kRed);
    EXPECT_EQ(Pixel(90, 220).Rgb(), kBlack);
    EXPECT_EQ(Pixel(120, 250).Rgb(), kBlack);
}

TEST_F(SkinningTest, ATurnedBoneCarriesItsVerticesAndItsChildBones) {
    AddQuad(0, 0, 20, -1);    // unbound, at the mesh node
    AddQuad(20, -10, 20, 0);  // right of bone A
    AddQuad(-5, -5, 10, 1);   // around bone A1
    auto mesh = MeshNode(Point3D(200, 200, 0));
    auto a = mesh->AddBone("A", Point3D(100, 100, 0));
    a->AddBone("A1", Point3D(80, 0, 0));

    DrawFrame();
    EXPECT_EQ(Pixel(210, 210).Rgb(), kRed);  // unbound
    EXPECT_EQ(Pixel(330, 300).Rgb(), kRed);  // A's quad at 320..340, 290..310
    EXPECT_EQ(Pixel(380, 300).Rgb(), kRed);  // A1's quad at 375..385
    EXPECT_EQ(Pixel(300, 330).Rgb(), kBlack);
    EXPECT_EQ(Pixel(300, 380).Rgb(), kBlack);

    // 90 degrees about z turns right into down (y points down) about A's position.
    a->SetRotation(Point3D(0, 0, 90));
    DrawFrame();
    EXPECT_EQ(Pixel(210, 210).Rgb(), kRed);
    EXPECT_EQ(Pixel(330, 300).Rgb(), kBlack);
    EXPECT_EQ(Pixel(380, 300).Rgb(), kBlack);
    EXPECT_EQ(Pixel(300, 330).Rgb(), kRed);
    EXPECT_EQ(Pixel(300, 380).Rgb(), kRed);
    const auto m = a->Matrix();
    EXPECT_NEAR(m[12], 100, 1e-4);  // relative to the mesh node, not the window
    EXPECT_NEAR(m[13], 100, 1e-4);
    EXPECT_NEAR(m[1], 1, 1e-6);

    // A hidden bone is not drawn but still moves its vertices.
    a->SetVisible(false);
    a->SetRotation(Point3D(0, 0, 180));
    DrawFrame();
    EXPECT_EQ(Pixel(300, 330).Rgb(), kBlack);
    EXPECT_EQ(Pixel(270, 300).Rgb(), kRed);  // A's quad now left of A
    EXPECT_EQ(Pixel(220, 300).Rgb(), kRed);  // and A1 with it
}

TEST_F(SkinningTest, BadBoneAndFaceNumbersFailBeforeDrawing) {
    AddQuad(0, 0, 20, 1);  // bone 1, but only bone 0 will exist
    auto mesh = MeshNode(Point3D(0, 0, 0));
    mesh->AddBone("only", Point3D(0, 0, 0));
    EXPECT_THROW(DrawFrame(), common::Exception);
    EXPECT_TRUE(log_.Contains("Knochen 1 gibt es nicht: mesh hat 1 Knochen"));

    std::vector<data::Face> faces{data::Face{{{0, 0, 0, -1}, {1, 0, 0, -1}, {7, 0, 0, -1}}, 3}};
    auto bad = std::make_shared<IndexedVertices>(
        std::vector<data::Vertex>(3, data::Vertex{0, 0, 0}), std::vector<data::Vertex>(1),
        std::vector<data::Vertex>(1), std::vector<data::FaceGroup>{{faces, nullptr, "g"}});
    EXPECT_THROW(DynamicMeshNode("bad", Point3D(0, 0, 0), bad), common::Exception);
    EXPECT_THROW(DynamicMeshNode("null", Point3D(0, 0, 0), nullptr), common::ArgumentException);
}

TEST_F(SkinningTest, ABoneOutlivingItsMeshCannotReachIt) {
    AddQuad(0, 0, 20, -1);
    std::shared_ptr<BoneNode> kept;
    {
        auto mesh = MeshNode(Point3D(0, 0, 0));
        kept = mesh->AddBone("kept", Point3D(0, 0, 0));
        scene_->Root()->DisposeChildren(*engine_);
    }
    EXPECT_THROW(kept->AddBone("late", Point3D(0, 0, 0)), common::Exception);
}

TEST_F(SkinningTest, TheNodeFactoryLoadsTheFileAndLogsTwice) {
    const std::string file = dir_.File("tri.obj");
    dir_.Write("tri.obj", "v 0 0 0\nv 0 1 0\nv 1 1 0\nvt 0 0 0\nvn 0 0 1\nf 1 2 3\n");
    auto node = scene_->NodeFactory().CreateDynamicMeshNode(file, Point3D(5, 6, 0));
    EXPECT_EQ(node->Name(), file);
    EXPECT_EQ(node->Mesh()->Positions().size(), 3u);
    const std::string line = "CreateDynamicMeshNode " + file;
    const std::string text = log_.Text();
    const auto first = text.find(line);
    ASSERT_NE(first, std::string::npos);
    EXPECT_NE(text.find(line, first + line.size()), std::string::npos);
    EXPECT_THROW(
        scene_->NodeFactory().CreateDynamicMeshNode(dir_.File("none.obj"), Point3D(0, 0, 0)),
        common::Exception);
}

}  // namespace
}  // namespace zr2d::test
