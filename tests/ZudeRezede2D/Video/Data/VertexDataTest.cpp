// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>

#include "ZudeRezede2D/Video/Data/ColoredVertex.h"
#include "ZudeRezede2D/Video/Data/Common/Face.h"
#include "ZudeRezede2D/Video/Data/Common/Vertex.h"
#include "ZudeRezede2D/Video/Data/IndexedVertices.h"
#include "ZudeRezede2D/Video/Data/MathW.h"
#include "ZudeRezede2D/Video/Data/SingleVertices.h"

namespace zr2d {
namespace {

void ExpectSize(const IVertices& vertices, float x, float y, float z) {
    const common::Point3D size = vertices.Size();
    EXPECT_EQ(size.X(), x);
    EXPECT_EQ(size.Y(), y);
    EXPECT_EQ(size.Z(), z);
}

TEST(VertexDataTest, SizeIsTheExtentOfABoxThatHoldsTheOrigin) {
    SingleVertices spread(3);
    spread.SetVertex(0, {0, 0, 0}).SetVertex(1, {4, 2, 0}).SetVertex(2, {-1, 5, 0});
    ExpectSize(spread, 5, 5, 0);

    SingleVertices away(3);
    away.SetVertex(0, {2, 2, 0}).SetVertex(1, {4, 3, 0}).SetVertex(2, {3, 5, 0});
    ExpectSize(away, 4, 5, 0);

    SingleVertices deep(1);
    deep.SetVertex(0, {-2, -3, -4});
    ExpectSize(deep, 2, 3, 4);

    ExpectSize(SingleVertices(0), 0, 0, 0);
    ExpectSize(IndexedVertices({{1, 2, 3}}, {}, {}, {}), 0, 0, 0);
}

TEST(VertexDataTest, SlotsKeepTheirKindAndRefuseIndexesOutside) {
    SingleVertices list(2);
    list.SetVertex(0, {1, 2, 3}).SetVertex(1, {4, 5, 6}, common::Color(1, 2, 3, 4));
    EXPECT_EQ(dynamic_cast<ColoredVertex*>(list.GetVertex(0).get()), nullptr);
    const auto* colored = dynamic_cast<ColoredVertex*>(list.GetVertex(1).get());
    ASSERT_NE(colored, nullptr);
    EXPECT_EQ(colored->Color(), common::Color(1, 2, 3, 4));
    EXPECT_EQ(colored->Position().Z(), 6);
    EXPECT_THROW(list.SetVertex(2, {0, 0, 0}), std::out_of_range);
    EXPECT_THROW(list.GetVertex(2), std::out_of_range);
}

TEST(VertexDataTest, ValueStructuresStartUnsetAndTransformAppliesTheMatrix) {
    const data::Vertex unset;
    EXPECT_TRUE(std::isnan(unset.x) && std::isnan(unset.y) && std::isnan(unset.z));
    const data::Face face;
    ASSERT_EQ(face.indices.size(), 3u);
    EXPECT_EQ(face.indices[0].bone, -1);
    EXPECT_EQ(face.count, 3);

    // Column-major: translation in 12..14, a scale of 2 on x, y swapped into z.
    const std::array<float, 16> m = {2, 0, 0, 0, 0, 0, 1, 0, 0, 1, 0, 0, 10, 20, 30, 1};
    const data::Vertex moved = MathW::Transform({1, 2, 3}, m);
    EXPECT_EQ(moved.x, 12);
    EXPECT_EQ(moved.y, 23);
    EXPECT_EQ(moved.z, 32);
}

}  // namespace
}  // namespace zr2d
