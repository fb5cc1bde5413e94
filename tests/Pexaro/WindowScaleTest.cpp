// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "Pexaro/WindowScale.h"
#include "Support/LogCapture.h"

namespace pexaro::test {

TEST(WindowScaleTest, WholeAndDecimalNumbersScaleAndAnythingElseIsOne) {
    testsupport::LogCapture log(false);
    EXPECT_FLOAT_EQ(WindowScale::Parse("1"), 1.0f);
    EXPECT_FLOAT_EQ(WindowScale::Parse("2"), 2.0f);
    EXPECT_FLOAT_EQ(WindowScale::Parse("1.5"), 1.5f);
    EXPECT_FLOAT_EQ(WindowScale::Parse("1,25"), 1.25f);
    // Blanks and tabs around the number, as every other key ignores them.
    EXPECT_FLOAT_EQ(WindowScale::Parse("2 "), 2.0f);
    EXPECT_FLOAT_EQ(WindowScale::Parse(" 2"), 2.0f);
    EXPECT_FLOAT_EQ(WindowScale::Parse("\t1,5 \t"), 1.5f);
    // The limits themselves are usable.
    EXPECT_FLOAT_EQ(WindowScale::Parse("0.25"), 0.25f);
    EXPECT_FLOAT_EQ(WindowScale::Parse("8"), 8.0f);
    EXPECT_FALSE(log.Contains("windowScale"));
    for (const char* bad : {"", " ", "abc", "2x", "2 x", "0", "-1", "100", "nan", "inf", "1e1",
                            "0.24", "0,249", "8.01", "8,001"}) {
        EXPECT_FLOAT_EQ(WindowScale::Parse(bad), 1.0f) << bad;
    }
    EXPECT_TRUE(log.Contains("windowScale = 2x ist nicht nutzbar, verwende 1"));
}

}  // namespace pexaro::test
