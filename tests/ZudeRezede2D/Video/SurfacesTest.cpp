// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <functional>

#include "Common/Exception.h"
#include "ZudeRezede2D/Video/SurfaceCache.h"
#include "ZudeRezede2D/Video/Surfaces.h"
#include "ZudeRezede2D/Video/Texture.h"

namespace zr2d {
namespace {

// No window here: the ledger says the context is gone, so releasing only counts.
std::shared_ptr<TextureLedger> OfflineLedger() {
    auto ledger = std::make_shared<TextureLedger>();
    ledger->ContextGone();
    return ledger;
}

std::string MessageOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const common::ArgumentException& error) {
        return error.what();
    }
    return "no exception";
}

TEST(SurfacesTest, ConstructorsRefuseIncompleteImagesInOrder) {
    const auto ledger = OfflineLedger();
    const common::Point2D size(8, 8);
    EXPECT_EQ(MessageOf([&] { Surface(std::make_shared<GlTexture>(0, ledger), size, size); }),
              "invalid texture-ID");
    EXPECT_EQ(MessageOf([&] { Surface(nullptr, size, size); }), "invalid texture-ID");
    const Surface part(std::make_shared<GlTexture>(7, ledger), size, {0, 0});
    EXPECT_EQ(MessageOf([&] { Surfaces("", {}, size); }), "Id ist nicht gesetzt");
    EXPECT_EQ(MessageOf([&] { Surfaces("a.png", {}, size); }), "Surfaces sind nicht gesetzt");
    EXPECT_EQ(MessageOf([&] { Texture(nullptr); }), "surfaces is null");

    Texture texture(
        std::make_shared<Surfaces>("a.png", std::vector<Surface>{part}, common::Point2D(5, 6)));
    EXPECT_EQ(texture.Size().X(), 5);
    EXPECT_EQ(texture.Surfaces()->Parts()[0].GlTextureId(), 7u);
    EXPECT_FALSE(texture.Alpha().has_value());
    texture.SetAlpha(0);
    EXPECT_EQ(texture.Alpha(), 0);
    auto tag = std::make_shared<int>(4);
    texture.SetTag(tag);
    EXPECT_EQ(texture.Tag(), tag);
}

TEST(SurfacesTest, TextureNameIsReleasedExactlyOnce) {
    const auto ledger = OfflineLedger();
    {
        auto name = std::make_shared<GlTexture>(3, ledger);
        const Surface a(name, {8, 8}, {0, 0});
        const Surface copy = a;
        EXPECT_EQ(ledger->Live(), 1);
        name->Delete();
        name->Delete();
        EXPECT_TRUE(copy.Handle()->IsDeleted());
        EXPECT_EQ(ledger->Live(), 0);
    }
    EXPECT_EQ(ledger->Live(), 0);
    {
        const Surface a(std::make_shared<GlTexture>(4, ledger), {8, 8}, {0, 0});
        EXPECT_EQ(ledger->Live(), 1);
    }
    EXPECT_EQ(ledger->Live(), 0);
}

TEST(SurfacesTest, CacheEntryCountsUsersWithoutLowerBound) {
    const auto ledger = OfflineLedger();
    auto image = std::make_shared<Surfaces>(
        "b.png",
        std::vector<Surface>{Surface(std::make_shared<GlTexture>(5, ledger), {8, 8}, {0, 0})},
        common::Point2D(8, 8));
    SurfaceCache entry(image);
    EXPECT_EQ(entry.Count(), 1);
    EXPECT_EQ(entry.Acquire(), image);
    EXPECT_EQ(entry.Count(), 2);
    entry.Release();
    entry.Release();
    entry.Release();
    EXPECT_EQ(entry.Count(), -1);
}

}  // namespace
}  // namespace zr2d
