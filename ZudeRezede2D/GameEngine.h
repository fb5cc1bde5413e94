// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "Common/Event.h"
#include "IAudioEngine.h"
#include "ZudeRezede2D/Input/EventManager.h"
#include "ZudeRezede2D/Scene/Scene.h"
#include "ZudeRezede2D/Video/BackgroundDecoder.h"
#include "ZudeRezede2D/Video/Engine.h"
#include "ZudeRezede2D/Video/VideoSettings.h"

namespace zr2d {

// The root of the engine: owns the video engine and the background decoder, shows one scene at
// a time and runs the main loop (poll events, take up decoded pictures, draw the current scene,
// raise the frame event).
class GameEngine {
  public:
    // Throws when SDL_ttf, SDL or the video mode cannot be initialised.
    GameEngine(const VideoSettings& settings, const std::string& title,
               std::shared_ptr<IAudioEngine> audioEngine);
    virtual ~GameEngine();
    GameEngine(const GameEngine&) = delete;
    GameEngine& operator=(const GameEngine&) = delete;

    // Raised after every frame.
    virtual common::EventAddHandler<>& FrameEvent() { return frameEvent_.AddHandler(); }
    // Shuts everything down; never throws, and a second call does nothing.
    virtual void Dispose();
    // Makes scene current, disposing the previous one when asked (never the scene that stays
    // current). The previous scene is kept in memory until the next frame begins, since it may
    // be the caller.
    virtual void SetScene(const std::shared_ptr<Scene>& scene, bool disposeOld);
    // Returns when a quit event arrives, the engine is disposed, or a frame fails.
    virtual void Run();
    // One pass of the main loop with the given clock: events, drawing, frame event. False when
    // the loop is to end. Run calls it with SDL's clock; tests with chosen ticks.
    bool Step(uint32_t ticks);
    virtual const std::shared_ptr<IAudioEngine>& AudioEngine() const { return audioEngine_; }
    virtual Engine& VideoEngine() { return *videoEngine_; }
    // The workers that decode pictures while frames go on; their results are taken up at the
    // start of every frame.
    BackgroundDecoder& Decoder() { return *decoder_; }
    // The input receiver of the screen now shown (Scene::ShowScene). At a switch to another
    // manager the repeat of a held key ends (EventManager::EndKeyRepeat), and keys held across
    // the switch are ignored by the new manager until released (EventManager::TakeOverHeldKeys).
    virtual void SetEventManager(const std::shared_ptr<EventManager>& manager);
    // A new scene of this engine; it is not shown.
    virtual std::shared_ptr<Scene> CreateScene(const std::string& name);

    const std::shared_ptr<Scene>& CurrentScene() const { return scene_; }
    bool IsRunning() const { return running_; }

  private:

    std::shared_ptr<Scene> scene_;
    std::unique_ptr<Engine> videoEngine_;
    std::unique_ptr<BackgroundDecoder> decoder_;
    std::shared_ptr<IAudioEngine> audioEngine_;
    std::shared_ptr<EventManager> eventManager_;
    bool running_ = false;
    bool disposed_ = false;
    common::Event<> frameEvent_;
    std::vector<std::shared_ptr<Scene>> retiredScenes_;
};

}  // namespace zr2d
