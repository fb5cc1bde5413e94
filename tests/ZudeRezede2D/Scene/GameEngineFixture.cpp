#include "GameEngineFixture.h"

#include <GL/gl.h>

#include <cstdlib>

namespace zr2d::test {

using common::Point2D;
using common::Point3D;

GameEngineTest::GameEngineTest() {
    setenv("SDL_VIDEODRIVER", "x11", 0);  // fail plainly rather than fall back to text mode
    engine_ = std::make_unique<GameEngine>(VideoSettings(Point2D(kWidth, kHeight), 32, false, 512),
                                           "scene test", nullptr);
    scene_ = engine_->CreateScene("Test");
    scene_->SetBackgroundColor(common::Color(0, 0, 0, 255));
    scene_->Camera()->SetIs2D(true);
    scene_->ShowScene(true);
}

GameEngineTest::~GameEngineTest() { engine_->Dispose(); }

void GameEngineTest::DrawFrame(uint32_t ticks) {
    engine_->VideoEngine().InitFrame();
    engine_->CurrentScene()->Update(ticks);
    glFinish();
}

std::array<int, 3> GameEngineTest::Pixel(int x, int y) const {
    std::array<uint8_t, 4> rgba{};
    glReadPixels(x, kHeight - 1 - y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    return {rgba[0], rgba[1], rgba[2]};
}

std::shared_ptr<Texture> GameEngineTest::WhiteTexture(int w, int h) {
    const std::string file =
        dir_.File("white" + std::to_string(w) + "x" + std::to_string(h) + ".png");
    const std::string command =
        "convert -size " + std::to_string(w) + "x" + std::to_string(h) + " xc:white PNG32:" + file;
    EXPECT_EQ(std::system(command.c_str()), 0);
    return engine_->VideoEngine().Factory().CreateTextureFromFile(file, false, 0);
}

void GameEngineTest::Push(SDL_Event event) { ASSERT_EQ(SDL_PushEvent(&event), 0); }

void GameEngineTest::PushQuit() {
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    Push(quit);
}

SDL_Event GameEngineTest::Click(uint16_t x, uint16_t y) {
    SDL_Event e{};
    e.type = SDL_MOUSEBUTTONUP;
    e.button.button = SDL_BUTTON_LEFT;
    e.button.x = x;
    e.button.y = y;
    return e;
}

}  // namespace zr2d::test
