#include "GlTestSupport.h"

#include <GL/gl.h>
#include <SDL.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include "Common/Exception.h"
#include "Common/MyLog.h"

namespace zr2d::test {
namespace {

// SDL video stays up for the whole process, as in the game.
class SdlEnvironment : public ::testing::Environment {
  public:
    // Fail plainly instead of falling back to a text-mode video driver.
    void SetUp() override { setenv("SDL_VIDEODRIVER", "x11", 0); }
};

const auto* const sdlEnvironment = ::testing::AddGlobalTestEnvironment(new SdlEnvironment);

}  // namespace

void GlTest::SetUp() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    folder_ = std::filesystem::temp_directory_path() /
              (std::string("zr2d-") + info->test_suite_name() + "-" + info->name() + "-" +
               std::to_string(::getpid()));
    std::filesystem::create_directories(folder_);
    common::MyLog::SetOutput(&log_);
    common::MyLog::SetShowLog(true);
    OpenEngine(512);
}

void GlTest::TearDown() {
    CloseEngine();
    common::MyLog::SetOutput(nullptr);
    common::MyLog::SetShowLog(false);
    std::filesystem::remove_all(folder_);
}

void GlTest::CloseEngine() {
    if (engine_) engine_->Dispose();
    engine_.reset();
}

void GlTest::OpenEngine(int32_t maxTextureSize) {
    CloseEngine();
    const VideoSettings settings(common::Point2D(kWidth, kHeight), 32, false, maxTextureSize);
    engine_ = std::make_shared<Engine>(settings, "gl test");
}

void GlTest::BeginPixelFrame() {
    engine_->InitFrame();
    engine_->Set2DView({0, 0, 10}, {0, 0, 0}, {0, 1, 0});
}

Rgba GlTest::Pixel(int x, int y) const {
    const std::vector<uint8_t> p = Block(x, y, 1, 1);
    return {p[0], p[1], p[2], p[3]};
}

std::vector<uint8_t> GlTest::Block(int x, int y, int w, int h) const {
    std::vector<uint8_t> bottomUp(static_cast<size_t>(w * h * 4));
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, kHeight - y - h, w, h, GL_RGBA, GL_UNSIGNED_BYTE, bottomUp.data());
    std::vector<uint8_t> topDown(bottomUp.size());
    const size_t row = static_cast<size_t>(w * 4);
    for (int r = 0; r < h; ++r) {
        std::copy_n(bottomUp.begin() + static_cast<std::ptrdiff_t>((h - 1 - r) * row), row,
                    topDown.begin() + static_cast<std::ptrdiff_t>(r * row));
    }
    return topDown;
}

std::filesystem::path GlTest::Convert(const std::string& arguments, const std::string& outputName) {
    const std::filesystem::path output = folder_ / outputName;
    const std::string command =
        "cd '" + folder_.string() + "' && convert " + arguments + " '" + output.string() + "'";
    if (std::system(command.c_str()) != 0) ADD_FAILURE() << "convert failed: " << command;
    return output;
}

std::vector<uint8_t> GlTest::DecodeRgba(const std::filesystem::path& file) {
    const std::filesystem::path raw = folder_ / (file.filename().string() + ".rgba");
    const std::string command =
        "convert '" + file.string() + "' -depth 8 rgba:'" + raw.string() + "'";
    if (std::system(command.c_str()) != 0) ADD_FAILURE() << "decode failed: " << command;
    std::ifstream in(raw, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool GlTest::HasLogLine(const std::string& level, const std::string& text) const {
    std::istringstream lines(log_.str());
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with(level) && line.find(text) != std::string::npos) return true;
    }
    return false;
}

}  // namespace zr2d::test
