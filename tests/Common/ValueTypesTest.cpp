// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "Common/Color.h"
#include "Common/Exception.h"
#include "Common/Point2D.h"
#include "Common/Point3D.h"
#include "Common/Rect.h"
#include "Support/LogCapture.h"

using common::Color;
using common::Point2D;
using common::Point3D;
using common::Rect;

TEST(Color, AddAndSubtractClampEveryChannelIncludingAlpha) {
    const Color sum = Color(200, 100, 50, 255).Add(Color(100, 100, 100, 100));
    EXPECT_EQ(sum, Color(255, 200, 150, 255));
    const Color difference = Color(10, 10, 10, 10).Subtract(Color(20, 5, 5, 5));
    EXPECT_EQ(difference, Color(0, 5, 5, 5));
    // Unclamped extremes must not overflow on the way to the clamp.
    EXPECT_EQ(Color(INT32_MAX, 0, 0, 0).Add(Color(INT32_MAX, 0, 0, 0)).R(), 255);
    EXPECT_EQ(Color(INT32_MIN, 0, 0, 0).Subtract(Color(INT32_MAX, 0, 0, 0)).R(), 0);
}

TEST(Color, ChannelAddsChangeInPlaceAndBrightenCopies) {
    Color c(250, 5, 100, 0);
    c.AddRed(10);
    c.AddGreen(-10);
    c.AddBlue(20);
    c.AddAlpha(-1);
    EXPECT_EQ(c, Color(255, 0, 120, 0));

    const Color original(40, 50, 60, 77);
    EXPECT_EQ(original.Brighten(-300), Color(0, 0, 0, 77));
    EXPECT_EQ(original.Brighten(300), Color(255, 255, 255, 77));
    EXPECT_EQ(original, Color(40, 50, 60, 77));
}

TEST(Color, FloatChannelsAndText) {
    EXPECT_NEAR(Color(255, 255, 255, 128).AlphaF(), 0.50196f, 1e-5f);
    // The constructor stores out-of-range values, so the float form leaves 0..1.
    EXPECT_FLOAT_EQ(Color(510, 0, 0, 0).RedF(), 2.0f);
    EXPECT_EQ(Color(255, 128, 0, 9).ToText(), "r_255;g_128;b_0");
}

TEST(Point2D, ArithmeticAndFiveDecimalText) {
    const Point2D p(12.5f, 3.0f);
    EXPECT_EQ(p.ToText(), "12.50000|3.00000");
    EXPECT_EQ(p.Add(Point2D(-13.0f, 1.0f)).ToText(), "-0.50000|4.00000");
    EXPECT_EQ(p.Scale(2).ToText(), "25.00000|6.00000");
    EXPECT_EQ(p.Divide(0.5f).ToText(), "25.00000|6.00000");
    EXPECT_EQ(Point2D(640, 0.000004f).ToText(), "640.00000|0.00000");
    const float nan = std::numeric_limits<float>::quiet_NaN();
    EXPECT_FALSE(Point2D(nan, 1).Equals(Point2D(nan, 1)));
    EXPECT_TRUE(Point2D(1, 2).Equals(Point2D(1, 2)));
}

TEST(Point2D, FitIntoShrinksOrGrowsUntilOneSideTouches) {
    EXPECT_TRUE(Point2D(800, 600).FitInto(Point2D(400, 400)).Equals(Point2D(400, 300)));
    EXPECT_TRUE(Point2D(100, 50).FitInto(Point2D(400, 400)).Equals(Point2D(400, 200)));
    EXPECT_TRUE(Point2D(300, 600).FitInto(Point2D(400, 400)).Equals(Point2D(200, 400)));
    // Equal ratios divide by the y ratio: the result equals the bounds.
    EXPECT_TRUE(Point2D(200, 200).FitInto(Point2D(400, 400)).Equals(Point2D(400, 400)));
}

TEST(Point2D, CenterLogsAndIgnoresItsObject) {
    testsupport::LogCapture log;
    const Point2D offset = Point2D::Center(Point2D(800, 600), Point2D(200, 100));
    EXPECT_TRUE(offset.Equals(Point2D(300, 250)));
    EXPECT_TRUE(log.Contains("| Center: 800.00000|600.00000 - 200.00000|100.00000\n"));
}

TEST(Point3D, ConstructionArithmeticAndLength) {
    const Point3D fromFlat(Point2D(1, 2));
    EXPECT_EQ(fromFlat.ToText(), "1.00000|2.00000|0.00000");
    EXPECT_FLOAT_EQ(Point3D(3, 4, 0).Length(), 5.0f);
    const Point3D a(1, 2, 3);
    EXPECT_TRUE(a.AddXY(Point3D(10, 20, 30)).Equals(Point3D(11, 22, 3)));
    EXPECT_TRUE(a.Subtract(Point3D(1, 1, 1)).Equals(Point3D(0, 1, 2)));
    EXPECT_TRUE(a.Multiply(Point3D(2, 3, 4)).Equals(Point3D(2, 6, 12)));
    EXPECT_TRUE(a.Divide(0).Equals(Point3D(INFINITY, INFINITY, INFINITY)));
}

TEST(Rect, TextAndAbsentPartsFailWithThePositionFirst) {
    const Rect r(Point3D(10, 20, 0), Point3D(100, 40, 0));
    EXPECT_EQ(r.ToText(), "10.00000|20.00000|0.00000/100.00000|40.00000|0.00000");

    testsupport::LogCapture log(false);
    try {
        Rect(std::nullopt, std::nullopt);
        FAIL() << "no exception";
    } catch (const common::Exception& e) {
        EXPECT_STREQ(e.what(), "position is null");
    }
    EXPECT_THROW(
        {
            try {
                Rect(Point3D(0, 0, 0), std::nullopt);
            } catch (const common::Exception& e) {
                EXPECT_STREQ(e.what(), "size is null");
                throw;
            }
        },
        common::Exception);
    // Warnings are written even with information lines off.
    EXPECT_TRUE(log.Contains("Warning| position is null\n"));
    EXPECT_TRUE(log.Contains("Warning| size is null\n"));
}
