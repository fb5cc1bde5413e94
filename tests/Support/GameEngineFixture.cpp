// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameEngineFixture.h"

#include <GL/gl.h>

namespace testsupport {

GameEngineTest::GameEngineTest() : WindowTest(kWidth, kHeight, "scene test") {
    scene_ = engine_->CreateScene("Test");
    scene_->SetBackgroundColor(common::Color(0, 0, 0, 255));
    scene_->Camera()->SetIs2D(true);
    scene_->ShowScene(true);
}

void GameEngineTest::DrawFrame(uint32_t ticks) {
    engine_->VideoEngine().InitFrame();
    engine_->CurrentScene()->Update(ticks);
    glFinish();
}

std::shared_ptr<zr2d::Texture> GameEngineTest::WhiteTexture(int w, int h) {
    return engine_->VideoEngine().Factory().CreateTextureFromFile(WhitePicture(w, h), false, 0);
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

}  // namespace testsupport
