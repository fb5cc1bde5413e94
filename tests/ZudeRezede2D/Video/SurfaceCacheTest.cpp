// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "Common/Exception.h"
#include "Support/VideoFixture.h"

namespace zr2d::test {
namespace {

class SurfaceCacheTest : public GlTest {
  protected:
    void SetUp() override {
        GlTest::SetUp();
        file_ = Convert("-size 20x10 xc:'rgb(240,120,0)'", "orange.png").string();
    }

    // Draws the texture at the origin and returns the red channel in its middle.
    int DrawnRed(const Texture& texture) {
        BeginPixelFrame();
        engine().DrawTexture(texture, std::nullopt, std::nullopt);
        return Pixel(10, 5).r;
    }

    std::string file_;
};

TEST_F(SurfaceCacheTest, CachedFileIsCountedAndKeptUntilShutdown) {
    Factory& factory = engine().Factory();
    const int before = engine().LiveTextureCount();
    const auto first = factory.CreateTextureFromFile(file_, true, 0);
    const auto second = factory.CreateTextureFromFile(file_, true, 0);
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->Surfaces(), second->Surfaces());
    EXPECT_EQ(engine().SurfaceManager().Count(file_), 2);
    EXPECT_TRUE(HasLogLine("Info  ", "CreateSurfaceFromFile, getting cached " + file_));
    EXPECT_EQ(engine().LiveTextureCount(), before + 1);

    factory.FreeTexture(*first);
    factory.FreeTexture(*second);
    EXPECT_EQ(engine().SurfaceManager().Count(file_), 0);
    EXPECT_EQ(engine().LiveTextureCount(), before + 1);
    EXPECT_EQ(DrawnRed(*second), 240);

    const auto third = factory.CreateTextureFromFile(file_, true, 0);
    ASSERT_TRUE(third);
    EXPECT_EQ(third->Surfaces(), first->Surfaces());
    EXPECT_EQ(engine().SurfaceManager().Count(file_), 1);

    // An uncached load of the same file is a different image and takes no user away.
    const auto uncached = factory.CreateTextureFromFile(file_, false, 0);
    ASSERT_TRUE(uncached);
    EXPECT_NE(uncached->Surfaces(), third->Surfaces());
    factory.FreeTexture(*uncached);
    EXPECT_EQ(engine().SurfaceManager().Count(file_), 1);
}

TEST_F(SurfaceCacheTest, FreeAllWarnsForImagesStillInUseAndDeletesEverything) {
    const int before = engine().LiveTextureCount();
    const auto used = engine().Factory().CreateTextureFromFile(file_, true, 0);
    engine().Factory().CreateTextureFromFile(file_, true, 0);
    const auto other = Convert("-size 9x9 xc:white", "white.png").string();
    const auto released = engine().Factory().CreateTextureFromFile(other, true, 0);
    engine().Factory().FreeTexture(*released);

    engine().SurfaceManager().FreeAll();
    EXPECT_TRUE(HasLogLine("Info  ", "FreeSurface-Warning: " + file_ + " wird noch verwendet!"));
    EXPECT_FALSE(HasLogLine("Info  ", "FreeSurface-Warning: " + other));
    EXPECT_EQ(engine().LiveTextureCount(), before);
    EXPECT_TRUE(used->Surfaces()->Parts()[0].Handle()->IsDeleted());
    EXPECT_FALSE(engine().SurfaceManager().Count(file_).has_value());
}

// The game loads every picture uncached: releasing it must give its textures back, once,
// even when two nodes hold the same texture.
TEST_F(SurfaceCacheTest, UncachedPicturesGiveTheirTexturesBackOnce) {
    const int before = engine().LiveTextureCount();
    auto picture = engine().Factory().CreateTextureFromFile(file_, false, 0);
    ASSERT_TRUE(picture);
    auto secondHolder = picture;
    EXPECT_EQ(engine().LiveTextureCount(), before + 1);

    engine().Factory().FreeTexture(*picture);
    picture.reset();
    EXPECT_EQ(engine().LiveTextureCount(), before + 1);
    EXPECT_EQ(DrawnRed(*secondHolder), 240);
    engine().Factory().FreeTexture(*secondHolder);
    secondHolder.reset();
    EXPECT_EQ(engine().LiveTextureCount(), before);

    // Deleting explicitly and then dropping the last holder deletes once, not twice.
    auto empty = engine().Factory().CreateSurfaces("empty", common::Point2D(600, 20));
    EXPECT_EQ(engine().LiveTextureCount(), before + 2);
    engine().Factory().DeleteSurfaces(*empty);
    EXPECT_EQ(engine().LiveTextureCount(), before);
    empty.reset();
    EXPECT_EQ(engine().LiveTextureCount(), before);
}

TEST_F(SurfaceCacheTest, DisposeDeletesCachedTexturesAndLaterReleasesOnlyCount) {
    const auto cached = engine().Factory().CreateTextureFromFile(file_, true, 0);
    auto uncached = engine().Factory().CreateTextureFromFile(file_, false, 0);
    ASSERT_TRUE(cached && uncached);
    EXPECT_EQ(engine().LiveTextureCount(), 2);
    engine().Dispose();
    EXPECT_TRUE(HasLogLine("Info  ", "Dispose VideoEngine"));
    EXPECT_EQ(engine().LiveTextureCount(), 1);
    uncached.reset();
    EXPECT_EQ(engine().LiveTextureCount(), 0);
    engine().Dispose();
}

TEST_F(SurfaceCacheTest, ManagerAndMaterialsKeepTheirEntriesByName) {
    EXPECT_THROW(SurfaceManager(nullptr), common::ArgumentException);
    EXPECT_THROW(Materials(nullptr), common::ArgumentException);
    EXPECT_THROW(engine().SurfaceManager().Add(nullptr), common::ArgumentException);
    EXPECT_EQ(engine().SurfaceManager().Get("never loaded"), nullptr);

    Materials& materials = engine().Materials();
    EXPECT_EQ(materials.Get("stone"), nullptr);
    const auto first = materials.Create("stone");
    const auto second = materials.Create("stone");
    EXPECT_NE(first, second);
    EXPECT_EQ(materials.Get("stone"), second);
    EXPECT_EQ(second->Name(), "stone");
    EXPECT_EQ(second->Texture(), nullptr);
}

}  // namespace
}  // namespace zr2d::test
