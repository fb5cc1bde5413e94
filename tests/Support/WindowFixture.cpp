// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowFixture.h"

#include <GL/gl.h>

#include <algorithm>

#include "Support/TestEngine.h"
#include "Support/HostCommand.h"

namespace testsupport {

WindowTest::WindowTest(int width, int height, std::string title)
    : width_(width), height_(height), title_(std::move(title)) {
    OpenEngine(512);
}

WindowTest::~WindowTest() { CloseEngine(); }

void WindowTest::CloseEngine() {
    if (engine_) engine_->Dispose();
    engine_.reset();
}

void WindowTest::OpenEngine(int32_t maxTextureSize) {
    CloseEngine();
    engine_ = OpenTestEngine(width_, height_, title_, maxTextureSize);
}

Rgba WindowTest::Pixel(int x, int y) const {
    const std::vector<uint8_t> p = Block(x, y, 1, 1);
    return {p[0], p[1], p[2], p[3]};
}

std::vector<uint8_t> WindowTest::Block(int x, int y, int w, int h) const {
    std::vector<uint8_t> bottomUp(static_cast<size_t>(w * h * 4));
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, height_ - y - h, w, h, GL_RGBA, GL_UNSIGNED_BYTE, bottomUp.data());
    std::vector<uint8_t> topDown(bottomUp.size());
    const size_t row = static_cast<size_t>(w * 4);
    for (int r = 0; r < h; ++r) {
        std::copy_n(bottomUp.begin() + static_cast<std::ptrdiff_t>((h - 1 - r) * row), row,
                    topDown.begin() + static_cast<std::ptrdiff_t>(r * row));
    }
    return topDown;
}

std::string WindowTest::WhitePicture(int w, int h) const {
    const std::string size = std::to_string(w) + "x" + std::to_string(h);
    const std::string file = dir_.File("white" + size + ".png");
    const std::string command = "convert -size " + size + " xc:white PNG32:" + file;
    EXPECT_EQ(HostCommand(command), 0);
    return file;
}

}  // namespace testsupport
