// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameEngine.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include "Common/Exception.h"
#include "Common/Helper.h"
#include "Common/MyLog.h"

namespace zr2d {

using common::MyLog;

GameEngine::GameEngine(const VideoSettings& settings, const std::string& title,
                       std::shared_ptr<IAudioEngine> audioEngine) {
    MyLog::Info("Lade GameEngine");
    if (TTF_Init() == -1) {
        common::Helper::Fail(std::string("Can't initialize SDL_TTF:\n") + SDL_GetError());
    }
    try {
        decoder_ = std::make_unique<BackgroundDecoder>(BackgroundDecoder::DefaultWorkers());
        videoEngine_ = std::make_unique<Engine>(settings, title);
    } catch (...) {
        decoder_.reset();
        // The video engine may have started SDL before it failed.
        TTF_Quit();
        SDL_Quit();
        throw;
    }
    audioEngine_ = std::move(audioEngine);
    running_ = true;
}

GameEngine::~GameEngine() { Dispose(); }

void GameEngine::Dispose() {
    if (disposed_) return;
    disposed_ = true;
    MyLog::Info("Closing GameEngine");
    if (scene_) scene_->Dispose();
    running_ = false;
    // Before the window goes: a running job finishes, and its picture is freed with SDL up.
    decoder_->Shutdown();
    try {
        videoEngine_->Dispose();
    } catch (const std::exception& error) {
        MyLog::Info(std::string("Fehler: ") + error.what());
    }
    try {
        if (audioEngine_) audioEngine_->Dispose();
        TTF_Quit();
        SDL_Quit();
        MyLog::Info("Disposing ok");
    } catch (const std::exception& error) {
        MyLog::Info(std::string("Fehler: ") + error.what());
        MyLog::Info(std::string("SDL_ERROR: ") + SDL_GetError());
    }
}

void GameEngine::SetScene(const std::shared_ptr<Scene>& scene, bool disposeOld) {
    try {
        if (scene_ == scene) return;
        if (disposeOld && scene_) scene_->Dispose();
        if (scene_) retiredScenes_.push_back(scene_);
        scene_ = scene;
    } catch (const std::exception&) {
        constexpr const char* kContext = "Fehler in SetScene";
        MyLog::Info(kContext);
        std::throw_with_nested(common::Exception(kContext));
    }
}

void GameEngine::SetEventManager(const std::shared_ptr<EventManager>& manager) {
    if (manager == eventManager_) return;
    // A screen switch: a key held across it belongs to the screen before.
    EventManager::EndKeyRepeat();
    if (manager && eventManager_) manager->TakeOverHeldKeys(*eventManager_);
    eventManager_ = manager;
}

void GameEngine::Run() {
    try {
        while (running_ && Step(SDL_GetTicks())) SDL_Delay(1);
    } catch (const std::exception& error) {
        MyLog::Warning(error);
    }
}

bool GameEngine::Step(uint32_t ticks) {
    // Scenes replaced during the last frame are no longer on any stack.
    retiredScenes_.clear();
    SDL_Event event{};
    while (running_ && SDL_PollEvent(&event)) {
        if (event.type == SDL_QUIT) {
            running_ = false;
            break;
        }
        // F11 belongs to the window, whichever screen is shown; the screen still gets the key.
        // On release: a switch between press and release loses the release, and the library's
        // key repeat then switches again and again.
        if (event.type == SDL_KEYUP && event.key.keysym.sym == SDLK_F11) {
            videoEngine_->ToggleFullscreen();
        }
        // Held here: a handler may replace the scene that owns this manager.
        if (const auto manager = eventManager_) manager->HandleEvent(event);
    }
    if (!running_) return false;
    if (audioEngine_) audioEngine_->Update();
    decoder_->Deliver();
    // A continuation may have ended the program.
    if (!running_) return false;
    videoEngine_->InitFrame();
    if (const auto scene = scene_) scene->Update(ticks);
    // Disposed from inside the frame: the window is gone.
    if (!running_) return false;
    videoEngine_->EndFrame();
    frameEvent_.Raise();
    return running_;
}

std::shared_ptr<Scene> GameEngine::CreateScene(const std::string& name) {
    return std::make_shared<Scene>(name, *this);
}

}  // namespace zr2d
