// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "Support/WindowFixture.h"
#include "ZudeRezede2D/Video/Engine.h"

namespace testsupport {

// The video engine in a 1280 x 1024 window. Fixture pictures are made with ImageMagick in the
// test's folder.
class GlTest : public WindowTest {
  protected:
    static constexpr int kWidth = 1280;
    static constexpr int kHeight = 1024;

    GlTest() : WindowTest(kWidth, kHeight, "gl test") {}

    zr2d::Engine& engine() { return engine_->VideoEngine(); }

    // Clears the frame and sets the pixel view: eye (0, 0, 10), centre (0, 0, 0), up (0, 1, 0).
    void BeginPixelFrame();

    // Runs ImageMagick's convert with the given arguments inside the test's folder.
    std::filesystem::path Convert(const std::string& arguments, const std::string& outputName);
    // The file's pixels decoded by ImageMagick as RGBA bytes, top row first.
    std::vector<uint8_t> DecodeRgba(const std::filesystem::path& file);
    std::filesystem::path Folder() const { return dir_.Path(); }

    std::string LogText() const { return log_.Text(); }
    // Whether a captured line of the level ("Info  " or "Warn  ") contains the text.
    bool HasLogLine(const std::string& level, const std::string& text) const;
};

}  // namespace testsupport

// The engine's tests name the fixture and its pixel type as their own.
namespace zr2d::test {
using testsupport::GlTest;
using testsupport::Rgba;
}  // namespace zr2d::test
