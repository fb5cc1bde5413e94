// SPDX-License-Identifier: GPL-3.0-or-later
#include <GL/gl.h>
#include <SDL.h>
#include <gtest/gtest.h>

#include "Common/Exception.h"
#include "Support/VideoFixture.h"

namespace zr2d::test {
namespace {

using EngineTest = GlTest;

TEST_F(EngineTest, BadColourDepthFailsBeforeAnyVideoMode) {
    for (const int32_t depth : {24, 8}) {
        try {
            Engine engine(VideoSettings(common::Point2D(640, 480), depth, false, 512), "x");
            ADD_FAILURE() << "no exception for depth " << depth;
        } catch (const common::Exception& error) {
            EXPECT_EQ(std::string(error.what()),
                      "Ungültiger Farbmodus, Bit: " + std::to_string(depth));
        }
        // The window of the fixture's engine keeps its mode: no new one was set.
        ASSERT_NE(SDL_GetVideoSurface(), nullptr);
        EXPECT_EQ(SDL_GetVideoSurface()->w, kWidth);
    }
}

TEST_F(EngineTest, FractionalResolutionIsTruncatedAndCaptionSet) {
    Engine engine(VideoSettings(common::Point2D(800.9f, 600.9f), 32, false, 512),
                  "Gedächtnisspiel");
    const SDL_Surface* screen = SDL_GetVideoSurface();
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(screen->w, 800);
    EXPECT_EQ(screen->h, 600);
    char* caption = nullptr;
    SDL_WM_GetCaption(&caption, nullptr);
    EXPECT_STREQ(caption, "Gedächtnisspiel");
    EXPECT_TRUE(glIsEnabled(GL_CULL_FACE));
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    engine.Dispose();
}

// The value comes from a text file; nothing in it may make splitting hang or ask OpenGL
// for textures larger than it can hold.
TEST_F(EngineTest, UnusableMaxTextureSizeIsClampedWithAWarning) {
    GLint largest = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &largest);
    const struct {
        int32_t wanted;
        int32_t used;
    } cases[] = {{0, 8}, {-3, 8}, {5, 8}, {1 << 30, largest}, {500, 500}};
    for (const auto& c : cases) {
        OpenEngine(c.wanted);
        EXPECT_EQ(engine().VideoSettings().MaxTextureSize(), c.used) << c.wanted;
        EXPECT_EQ(
            HasLogLine("Warn  ", "maxTextureSize " + std::to_string(c.wanted) +
                                     " ist nicht nutzbar, verwende " + std::to_string(c.used)),
            c.wanted != c.used);
    }
    OpenEngine(0);
    EXPECT_EQ(engine().Factory().PartSize(100), 8);
    const auto file = Convert("-size 20x20 xc:red", "red.png");
    const auto texture = engine().Factory().CreateTextureFromFile(file.string(), false, 0);
    ASSERT_TRUE(texture);
    EXPECT_EQ(texture->Surfaces()->Parts().size(), 9u);
}

TEST_F(EngineTest, PartSizeIsThePowerOfTwoCappedByTheMaximum) {
    Factory& factory = engine().Factory();
    EXPECT_EQ(factory.PartSize(1), 8);
    EXPECT_EQ(factory.PartSize(8), 8);
    EXPECT_EQ(factory.PartSize(9), 16);
    EXPECT_EQ(factory.PartSize(300), 512);
    EXPECT_EQ(factory.PartSize(513), 512);
    OpenEngine(8192);
    EXPECT_EQ(engine().Factory().PartSize(5000), 4096);
    EXPECT_EQ(engine().Factory().PartSize(2049), 4096);
}

TEST_F(EngineTest, InitFrameClearsToTheClearColourAndResetsTheFrameState) {
    BeginPixelFrame();
    engine().PushAlpha(10);
    engine().PushTransform(std::nullopt, std::nullopt, std::nullopt);
    engine().PopTransform();
    engine().BeginShape(BasicShapeType::Points);
    engine().AddVertex(1, 1, 0);
    engine().EndShape();
    EXPECT_EQ(engine().VideoInfo().Transforms(), 1);
    EXPECT_EQ(engine().VideoInfo().Shapes(), 1);
    EXPECT_EQ(engine().VideoInfo().Vertices(), 1);

    engine().InitFrame();
    const VideoInfo& info = engine().VideoInfo();
    EXPECT_EQ(info.DrawCalls() + info.SurfacesDrawn() + info.Transforms() + info.Vertices() +
                  info.Shapes(),
              0);
    EXPECT_THROW(engine().PopAlpha(), common::NoSuchElementException);
    const Rgba black = Pixel(3, 3);
    EXPECT_EQ(black.r + black.g + black.b, 0);

    EXPECT_EQ(engine().ClearColor(), common::Color(0, 0, 0, 0));
    engine().SetClearColor(common::Color(255, 128, 0, 255));
    engine().InitFrame();
    const Rgba orange = Pixel(640, 500);
    EXPECT_EQ(orange.r, 255);
    EXPECT_NEAR(orange.g, 128, 1);
    EXPECT_EQ(orange.b, 0);
}

TEST_F(EngineTest, PixelViewMapsNodePointsToWindowPixels) {
    BeginPixelFrame();
    engine().PushTransform(common::Point3D(200, 100, 0), std::nullopt, std::nullopt);
    engine().DrawRectangle(common::Point2D(10, 5), common::Color(0, 255, 0, 255));
    engine().PopTransform();
    EXPECT_EQ(Pixel(200, 100).g, 255);
    EXPECT_EQ(Pixel(209, 104).g, 255);
    EXPECT_EQ(Pixel(210, 104).g, 0);
    EXPECT_EQ(Pixel(209, 105).g, 0);
    EXPECT_EQ(Pixel(199, 100).g, 0);
    EXPECT_EQ(engine().ScreenSize().X(), kWidth);
    EXPECT_EQ(engine().ViewDepth(), 100.0f);
}

// The default scene camera looks from behind the screen: content is turned by 180 degrees
// around the screen centre and appears at about 768 / 820 of its size.
TEST_F(EngineTest, PerspectiveViewLooksFromBehindTheScreenCentre) {
    engine().InitFrame();
    engine().Set3DView({0, 0, 10}, {0, 0, 0}, {0, 1, 0});
    const float cx = kWidth / 2.0f;
    const float cy = kHeight / 2.0f;
    engine().PushTransform(common::Point3D(cx + 100, cy + 50, 0), std::nullopt, std::nullopt);
    engine().DrawRectangle(common::Point2D(200, 200), common::Color(255, 0, 0, 255));
    engine().PopTransform();
    // Right of and below the centre in node space is left of and above it on screen; the
    // eye is 990 units away, so the screen height shows 2 x 990 x tan(22.5 deg) = 820 units.
    const double pixelsPerUnit = kHeight / 820.1;
    EXPECT_EQ(Pixel(static_cast<int>(cx) - 200, static_cast<int>(cy) - 150).r, 255);
    EXPECT_EQ(Pixel(static_cast<int>(cx) + 200, static_cast<int>(cy) + 150).r, 0);
    EXPECT_EQ(Pixel(static_cast<int>(cx) - 115, static_cast<int>(cy) - 150).r, 0);
    const auto row = Block(0, static_cast<int>(cy) - 150, kWidth, 1);
    int redPixels = 0;
    for (size_t i = 0; i < row.size(); i += 4) redPixels += row[i] == 255 ? 1 : 0;
    EXPECT_NEAR(redPixels, 200 * pixelsPerUnit, 2);
}

}  // namespace
}  // namespace zr2d::test
