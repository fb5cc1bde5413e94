// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "Support/VideoFixture.h"

namespace zr2d::test {
namespace {

using FittedPictureTest = GlTest;

}  // namespace

TEST_F(FittedPictureTest, LargePicturesShrinkToFitAndSmallOnesStay) {
    const auto photo = Convert("-size 2400x1200 xc:'rgb(200,40,20)'", "photo.jpg");
    const int32_t before = engine().LiveTextureCount();
    auto fitted = engine().Factory().CreateFittedTextureFromFile(photo.string(), {1024, 768});
    ASSERT_TRUE(fitted);
    EXPECT_NEAR(fitted->Size().X(), 1024, 1);
    EXPECT_NEAR(fitted->Size().Y(), 512, 1);
    BeginPixelFrame();
    engine().DrawTexture(*fitted, std::nullopt, std::nullopt);
    // Opaque and the same colour after scaling; nothing beyond the fitted size.
    const Rgba inside = Pixel(1000, 500);
    EXPECT_NEAR(inside.r, 200, 3);
    EXPECT_NEAR(inside.g, 40, 3);
    EXPECT_EQ(Pixel(600, 530).r, 0);

    const auto small = Convert("-size 300x200 xc:blue", "small.png");
    auto unchanged = engine().Factory().CreateFittedTextureFromFile(small.string(), {1024, 768});
    ASSERT_TRUE(unchanged);
    EXPECT_EQ(unchanged->Size().X(), 300);
    EXPECT_EQ(unchanged->Size().Y(), 200);

    // Slivers keep a pixel across instead of shrinking to nothing.
    const auto tall = Convert("-size 3x8000 xc:blue", "tall.png");
    auto narrow = engine().Factory().CreateFittedTextureFromFile(tall.string(), {1024, 768});
    ASSERT_TRUE(narrow);
    EXPECT_EQ(narrow->Size().X(), 1);
    EXPECT_NEAR(narrow->Size().Y(), 768, 1);
    const auto wide = Convert("-size 8000x3 xc:blue", "wide.png");
    auto flat = engine().Factory().CreateFittedTextureFromFile(wide.string(), {1024, 768});
    ASSERT_TRUE(flat);
    EXPECT_NEAR(flat->Size().X(), 1024, 1);
    EXPECT_EQ(flat->Size().Y(), 1);

    // Uncached: the textures go back with the last holder.
    fitted.reset();
    unchanged.reset();
    narrow.reset();
    flat.reset();
    EXPECT_EQ(engine().LiveTextureCount(), before);
}

TEST_F(FittedPictureTest, TransparencySurvivesScalingAndBadFilesGiveNull) {
    const auto tall = Convert("-size 500x3000 xc:'rgba(0,255,0,0.5)'", "tall.png");
    auto fitted = engine().Factory().CreateFittedTextureFromFile(tall.string(), {1024, 768});
    ASSERT_TRUE(fitted);
    EXPECT_NEAR(fitted->Size().X(), 128, 1);
    EXPECT_NEAR(fitted->Size().Y(), 768, 1);
    BeginPixelFrame();
    engine().DrawTexture(*fitted, std::nullopt, std::nullopt);
    EXPECT_NEAR(Pixel(60, 400).g, 128, 6);  // half of green over black

    EXPECT_EQ(engine().Factory().CreateFittedTextureFromFile((Folder() / "none.jpg").string(),
                                                             {1024, 768}),
              nullptr);
    EXPECT_TRUE(HasLogLine("Warn  ", "none.jpg"));
}

}  // namespace zr2d::test
