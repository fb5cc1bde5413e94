// SPDX-License-Identifier: GPL-3.0-or-later
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>

#include "Common/Exception.h"
#include "Support/VideoFixture.h"
#include "ZudeRezede2D/Video/Data/ColoredVertices.h"
#include "ZudeRezede2D/Video/Data/MathW.h"

namespace zr2d::test {
namespace {

class DrawingTest : public GlTest {
  protected:
    void SetUp() override {
        GlTest::SetUp();
        white_ = engine().Factory().CreateTextureFromFile(
            Convert("-size 16x16 xc:white", "white.png").string(), false, 0);
        ASSERT_TRUE(white_);
        BeginPixelFrame();
    }

    // A square drawn at the origin in the winding the cameras show.
    void DrawSquare(const common::Color& color) {
        engine().BeginShape(BasicShapeType::Quads);
        engine().SetColor(color);
        engine().AddVertex(0, 0, 0);
        engine().AddVertex(0, 10, 0);
        engine().AddVertex(10, 10, 0);
        engine().AddVertex(10, 0, 0);
        engine().EndShape();
    }

    std::shared_ptr<Texture> white_;
};

TEST_F(DrawingTest, PushedAlphaReplacesAndTextureAlphaOverrides) {
    engine().DrawTexture(*white_, std::nullopt, std::nullopt);
    EXPECT_EQ(Pixel(8, 8).r, 255);

    engine().InitFrame();
    engine().PushAlpha(50);
    engine().PushAlpha(200);
    engine().DrawTexture(*white_, common::Color(255, 255, 0, 0), std::nullopt);
    const Rgba replaced = Pixel(8, 8);
    EXPECT_NEAR(replaced.r, 200, 1);
    EXPECT_EQ(replaced.b, 0);
    EXPECT_EQ(engine().PopAlpha(), 200);

    engine().InitFrame();
    engine().PushAlpha(50);
    white_->SetAlpha(100);
    engine().DrawTexture(*white_, std::nullopt, std::nullopt);
    EXPECT_NEAR(Pixel(8, 8).r, 100, 1);
    EXPECT_EQ(engine().PopAlpha(), 50);
    EXPECT_THROW(engine().PopAlpha(), common::NoSuchElementException);
}

TEST_F(DrawingTest, SetColorScalesByTheTopAlphaWithTruncation) {
    // The blend function is the one the last textured draw left.
    engine().DrawTexture(*white_, std::nullopt, std::nullopt);
    engine().InitFrame();
    engine().PushAlpha(128);
    DrawSquare(common::Color(255, 0, 0, 200));
    // trunc(200 x 128 / 255) = 100; an unscaled 200 would give 200 here.
    EXPECT_NEAR(Pixel(5, 5).r, 100, 1);
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    EXPECT_EQ(engine().VideoInfo().Shapes(), 1);
    EXPECT_EQ(engine().VideoInfo().Vertices(), 4);
}

TEST_F(DrawingTest, RectangleIsOpaqueAndVisibleAndLeavesCullingOn) {
    engine().PushAlpha(10);
    engine().DrawRectangle(common::Point2D(30, 20), common::Color(0, 0, 255, 0));
    const Rgba blue = Pixel(29, 19);
    EXPECT_EQ(blue.b, 255);
    EXPECT_EQ(blue.r + blue.g, 0);
    EXPECT_EQ(Pixel(30, 19).b, 0);
    EXPECT_TRUE(glIsEnabled(GL_CULL_FACE));
}

// A 16 x 16 picture, red left and blue right in the top half, green below, drawn 32 x 8.
TEST_F(DrawingTest, WiderSizeRepeatsSidewaysAndTallerSizeOnlyScales) {
    const auto file = Convert(
        "-size 16x16 xc:lime -fill red -draw 'rectangle 0,0 7,7' -fill blue "
        "-draw 'rectangle 8,0 15,7'",
        "quarters.png");
    const auto texture = engine().Factory().CreateTextureFromFile(file.string(), false, 0);
    ASSERT_TRUE(texture);
    engine().DrawTexture(*texture, std::nullopt, common::Point2D(32, 8));
    EXPECT_EQ(Pixel(3, 1).r, 255);
    EXPECT_EQ(Pixel(11, 1).b, 255);
    EXPECT_EQ(Pixel(19, 1).r, 255);
    EXPECT_EQ(Pixel(27, 1).b, 255);
    EXPECT_EQ(Pixel(3, 6).g, 255);
    EXPECT_EQ(Pixel(24, 6).g, 255);
    EXPECT_EQ(Pixel(33, 1).r + Pixel(3, 9).g, 0);
}

TEST_F(DrawingTest, ShapeTypeOutsideTheListIsRefused) {
    try {
        engine().BeginShape(static_cast<BasicShapeType>(11));
        ADD_FAILURE() << "no exception";
    } catch (const common::Exception& error) {
        EXPECT_STREQ(error.what(), "BasicShapeType 11 unbekannt");
    }
    // No primitive was left open.
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));

    // 3 is a line strip and 4 a line loop: only the loop closes back along the diagonal.
    for (const auto type : {BasicShapeType::LineStrip, BasicShapeType::LineLoop}) {
        engine().InitFrame();
        engine().BeginShape(type);
        engine().SetColor(common::Color(255, 255, 255, 255));
        engine().AddVertex(10.5f, 10.5f, 0);
        engine().AddVertex(50.5f, 10.5f, 0);
        engine().AddVertex(50.5f, 50.5f, 0);
        engine().EndShape();
        EXPECT_EQ(Pixel(30, 10).r, 255);
        EXPECT_EQ(Pixel(30, 30).r, type == BasicShapeType::LineLoop ? 255 : 0);
    }
}

TEST_F(DrawingTest, TransformIsTranslateRotateScaleAndMatchesMathW) {
    engine().PushIdentity();
    engine().PushTransform(common::Point3D(100, 50, 0), common::Point3D(0, 0, 90),
                           common::Point3D(2, 3, 1));
    const std::array<float, 16> matrix = engine().GetModelViewMatrix();
    // (1, 1) scaled to (2, 3), turned by 90 degrees to (-3, 2), moved to (97, 52).
    const data::Vertex moved = MathW::Transform({1, 1, 0}, matrix);
    EXPECT_NEAR(moved.x, 97, 1e-4);
    EXPECT_NEAR(moved.y, 52, 1e-4);
    EXPECT_NEAR(moved.z, 0, 1e-4);
    engine().PopTransform();
    engine().PushTransform(std::nullopt, std::nullopt, std::nullopt);
    const std::array<float, 16> identity = engine().GetModelViewMatrix();
    EXPECT_EQ(identity[0], 1);
    EXPECT_EQ(identity[12], 0);
    engine().PopTransform();
    engine().PopMatrix();
    EXPECT_EQ(engine().VideoInfo().Transforms(), 2);
}

TEST_F(DrawingTest, ColouredVerticesDrawAGradientWithTheirOwnColours) {
    SingleVertices square(4);
    square.SetVertex(0, {0, 0, 0}, common::Color(255, 0, 0, 255))
        .SetVertex(1, {0, 100, 0}, common::Color(255, 0, 0, 255))
        .SetVertex(2, {100, 100, 0}, common::Color(0, 0, 255, 255))
        .SetVertex(3, {100, 0, 0}, common::Color(0, 0, 255, 255));
    engine().BeginShape(BasicShapeType::Quads);
    square.Draw(engine());
    engine().EndShape();
    EXPECT_GT(Pixel(2, 50).r, 240);
    EXPECT_GT(Pixel(97, 50).b, 240);
    EXPECT_NEAR(Pixel(50, 50).r, 128, 4);
    EXPECT_EQ(engine().VideoInfo().Vertices(), 4);

    engine().InitFrame();
    ColoredVertices plain(3, common::Color(0, 255, 0, 255));
    plain.SetVertex(0, {0, 0, 0}).SetVertex(1, {0, 40, 0}).SetVertex(2, {40, 0, 0});
    engine().BeginShape(BasicShapeType::Triangles);
    plain.Draw(engine());
    engine().EndShape();
    EXPECT_EQ(Pixel(5, 5).g, 255);
    EXPECT_EQ(Pixel(35, 35).g, 0);

    SingleVertices gap(2);
    gap.SetVertex(1, {1, 1, 0});
    EXPECT_THROW(gap.Draw(engine()), common::Exception);
}

TEST_F(DrawingTest, MaterialBindsTheFirstPartAndFacesCountVertices) {
    const auto material = engine().Materials().Create("red");
    material->SetTexture(engine().Factory().CreateTextureFromFile(
        Convert("-size 8x8 xc:red", "red.png").string(), false, 0));
    std::vector<data::Vertex> positions = {{0, 0, 0}, {0, 50, 0}, {50, 0, 0}};
    std::vector<data::Vertex> tex = {{0.5f, 0.5f, 0}};
    std::vector<data::Vertex> normals = {{0, 0, 1}};
    data::Face face;
    face.indices = {{0, 0, 0}, {1, 0, 0}, {2, 0, 0}};
    engine().BeginMaterial(*material);
    engine().DrawFaces(positions, {face}, tex, normals);
    engine().EndMaterial(*material);
    EXPECT_EQ(Pixel(5, 5).r, 255);
    EXPECT_EQ(engine().VideoInfo().Vertices(), 3);
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));

    data::Face outside;
    outside.indices = {{0, 0, 0}, {1, 0, 0}, {3, 0, 0}};
    EXPECT_THROW(engine().DrawFaces(positions, {outside}, tex, normals), std::out_of_range);
    EXPECT_THROW(engine().DrawTriangle(positions, tex, normals), std::out_of_range);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

}  // namespace
}  // namespace zr2d::test
