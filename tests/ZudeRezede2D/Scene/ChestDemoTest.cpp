// SPDX-License-Identifier: GPL-3.0-or-later
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <vector>

#include "ChestDemo.h"
#include "Support/GameEngineFixture.h"
#include "Support/HostCommand.h"

namespace zr2d::test {
namespace {

// The mesh demo's scene, drawn at chosen times; its screenshot is kept in the build folder.
class ChestDemoTest : public GameEngineTest {
  protected:
    // Topmost row with a pixel of the colour class, if any.
    template <typename Predicate>
    std::optional<int> TopRow(Predicate matches) {
        ReadFrame();
        for (int y = 0; y < kHeight; ++y) {
            for (int x = 0; x < kWidth; ++x) {
                const uint8_t* p = &frame_[static_cast<size_t>((kHeight - 1 - y) * kWidth + x) * 3];
                if (matches(p[0], p[1], p[2])) return y;
            }
        }
        return std::nullopt;
    }
    void ReadFrame() {
        frame_.resize(static_cast<size_t>(kWidth * kHeight * 3));
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(0, 0, kWidth, kHeight, GL_RGB, GL_UNSIGNED_BYTE, frame_.data());
    }
    void SaveScreenshot(const std::filesystem::path& png) {
        ReadFrame();
        std::filesystem::create_directories(png.parent_path());
        const std::string ppm = dir_.File("shot.ppm");
        std::ofstream out(ppm, std::ios::binary);
        out << "P6\n" << kWidth << ' ' << kHeight << "\n255\n";
        for (int y = kHeight - 1; y >= 0; --y) {
            out.write(reinterpret_cast<const char*>(&frame_[static_cast<size_t>(y * kWidth * 3)]),
                      kWidth * 3);
        }
        out.close();
        EXPECT_EQ(testsupport::HostCommand("convert " + ppm + " " + png.string()), 0);
    }

    std::vector<uint8_t> frame_;
};

bool Lid(int r, int g, int b) { return r > 180 && g > 90 && g < 150 && b < 80; }
bool Latch(int r, int g, int b) { return r > 200 && g > 170 && b < 90; }

TEST_F(ChestDemoTest, TheTimedListOpensAndClosesTheLidOnItsBone) {
    meshdemo::ChestDemo demo(*scene_, PEXARO_CHEST_OBJ);
    DrawFrame(1000);  // the clock takes its reference
    DrawFrame(1016);  // the list starts the opening swing
    DrawFrame(1020);
    const auto closedLid = TopRow(Lid);
    const auto closedLatch = TopRow(Latch);
    ASSERT_TRUE(closedLid && closedLatch);
    SaveScreenshot(PEXARO_SCREENSHOT_DIR "/mesh_demo_closed.png");

    DrawFrame(1400);
    DrawFrame(1800);  // 784 ms into the swing: fully open
    EXPECT_FLOAT_EQ(demo.Hinge()->Rotation().X(), meshdemo::ChestDemo::kOpenAngle);
    const auto openLid = TopRow(Lid);
    const auto openLatch = TopRow(Latch);
    ASSERT_TRUE(openLid && openLatch);
    EXPECT_LT(*openLid, *closedLid - 40);
    // The latch hangs on a bone under the hinge and rises with the lid.
    EXPECT_LT(*openLatch, *closedLatch - 40);
    SaveScreenshot(PEXARO_SCREENSHOT_DIR "/mesh_demo.png");

    DrawFrame(3100);  // the closing swing starts past 2000 ms
    DrawFrame(3950);
    EXPECT_FLOAT_EQ(demo.Hinge()->Rotation().X(), 0);
    const auto closedAgain = TopRow(Lid);
    ASSERT_TRUE(closedAgain);
    EXPECT_NEAR(*closedAgain, *closedLid, 2);
}

}  // namespace
}  // namespace zr2d::test
