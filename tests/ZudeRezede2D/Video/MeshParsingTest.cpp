// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <stdexcept>

#include "Common/Exception.h"
#include "ZudeRezede2D/Video/MeshReader.h"

namespace zr2d {
namespace {

TEST(MeshParsingTest, FaceLinesBecomeTriangleFans) {
    const auto quad = MeshReader::ParseFace("1 2 3 4");
    ASSERT_EQ(quad.size(), 2u);
    EXPECT_EQ(quad[0].indices[0].vertex, 0);
    EXPECT_EQ(quad[0].indices[1].vertex, 1);
    EXPECT_EQ(quad[0].indices[2].vertex, 2);
    EXPECT_EQ(quad[1].indices[0].vertex, 0);
    EXPECT_EQ(quad[1].indices[1].vertex, 2);
    EXPECT_EQ(quad[1].indices[2].vertex, 3);
    EXPECT_EQ(quad[1].count, 3);

    const auto full = MeshReader::ParseFace("1/5/9 2/6/10 3/7/11");
    ASSERT_EQ(full.size(), 1u);
    const data::Index& first = full[0].indices[0];
    EXPECT_EQ(first.vertex, 0);
    EXPECT_EQ(first.texture, 4);
    EXPECT_EQ(first.normal, 8);
    EXPECT_EQ(first.bone, -1);
    EXPECT_EQ(full[0].indices[2].normal, 10);

    EXPECT_TRUE(MeshReader::ParseFace("1 2").empty());
    EXPECT_EQ(MeshReader::ParseFace("1 2 3 4 5 6").size(), 4u);
}

TEST(MeshParsingTest, IndexPiecesKeepWhatTheFileSays) {
    // Missing numbers stay 0, empty ones read as 0 and become -1, relative ones stay negative:
    // the mesh check rejects the last two, since neither names an entry.
    const data::Index onlyVertex = MeshReader::ParseIndex("7");
    EXPECT_EQ(onlyVertex.vertex, 6);
    EXPECT_EQ(onlyVertex.texture, 0);
    EXPECT_EQ(onlyVertex.normal, 0);
    EXPECT_EQ(MeshReader::ParseIndex("1//3").texture, -1);
    EXPECT_EQ(MeshReader::ParseIndex("1//3").normal, 2);
    EXPECT_EQ(MeshReader::ParseIndex("-1").vertex, -2);
    EXPECT_EQ(MeshReader::ParseIndex("1/2/3/4").normal, 2);
    // The lowest 32-bit number minus one must not overflow (the sanitizer build would stop).
    EXPECT_EQ(MeshReader::ParseIndex("-2147483648").vertex, 2147483647);
    EXPECT_EQ(MeshReader::ParseIndex("x").vertex, -1);  // garbage reads as 0
}

TEST(MeshParsingTest, VerticesNeedThreeNumbers) {
    const data::Vertex v = MeshReader::ParseVertex("0.25 -1.5e1 +3");
    EXPECT_FLOAT_EQ(v.x, 0.25f);
    EXPECT_FLOAT_EQ(v.y, -15.0f);
    EXPECT_FLOAT_EQ(v.z, 3.0f);
    EXPECT_FLOAT_EQ(MeshReader::ParseVertex("1 2 3 0.5").z, 3.0f);  // w is dropped

    EXPECT_THROW(MeshReader::ParseVertex("0.25 0.75"), std::out_of_range);
    EXPECT_THROW(MeshReader::ParseVertex("1  2 3"), common::ArgumentException);  // empty piece
    EXPECT_THROW(MeshReader::ParseVertex("1 2x 3"), common::ArgumentException);
    EXPECT_THROW(MeshReader::ParseVertex("1 3.1+e2 3"), common::ArgumentException);
    try {
        MeshReader::ParseVertex("1 zwei 3");
        FAIL() << "no exception";
    } catch (const common::ArgumentException& error) {
        EXPECT_STREQ(error.what(), "'zwei' ist keine Zahl");
    }
}

}  // namespace
}  // namespace zr2d
