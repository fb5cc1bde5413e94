#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "ZudeRezede2D/Video/Engine.h"

namespace zr2d::test {

struct Rgba {
    int r;
    int g;
    int b;
    int a;
};

// Opens a real engine per test and disposes it afterwards. Fixture pictures are made with
// ImageMagick in a private temporary folder.
class GlTest : public ::testing::Test {
  protected:
    static constexpr int kWidth = 1280;
    static constexpr int kHeight = 1024;

    void SetUp() override;
    void TearDown() override;

    // Replaces the default engine (maximum texture edge 512).
    void OpenEngine(int32_t maxTextureSize);
    // Disposes the engine; the window stays open.
    void CloseEngine();
    Engine& engine() { return *engine_; }

    // Clears the frame and sets the pixel view: eye (0, 0, 10), centre (0, 0, 0), up (0, 1, 0).
    void BeginPixelFrame();
    // Window pixel with top-left origin, read from the frame being drawn.
    Rgba Pixel(int x, int y) const;
    // A w x h block of RGBA bytes, top row first.
    std::vector<uint8_t> Block(int x, int y, int w, int h) const;

    // Runs ImageMagick's convert with the given arguments inside the temporary folder.
    std::filesystem::path Convert(const std::string& arguments, const std::string& outputName);
    // The file's pixels decoded by ImageMagick as RGBA bytes, top row first.
    std::vector<uint8_t> DecodeRgba(const std::filesystem::path& file);
    std::filesystem::path Folder() const { return folder_; }

    // Captures the log with information lines on.
    std::string LogText() const { return log_.str(); }
    // Whether a captured line of the level ("Info  " or "Warn  ") contains the text.
    bool HasLogLine(const std::string& level, const std::string& text) const;

  private:
    std::shared_ptr<Engine> engine_;
    std::filesystem::path folder_;
    std::ostringstream log_;
};

}  // namespace zr2d::test
