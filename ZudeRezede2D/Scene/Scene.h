// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "Camera.h"
#include "Common/Color.h"
#include "NodeFactory.h"
#include "ZudeRezede2D/Animation/AnimationManager.h"
#include "ZudeRezede2D/Input/EventManager.h"
#include "ZudeRezede2D/Video/PictureJob.h"

namespace zr2d {

class GameEngine;

// One screen: a node tree under a camera, its own node factory, animation clock and event
// manager, and a background colour. Held by std::shared_ptr; the engine keeps a replaced scene
// alive until the frame has unwound.
class Scene : public std::enable_shared_from_this<Scene> {
  public:
    Scene(std::string name, GameEngine& gameEngine);
    // Cancels the scene's background jobs.
    virtual ~Scene();
    Scene(const Scene&) = delete;
    Scene& operator=(const Scene&) = delete;

    virtual void EnableUpdateHandler() { updateHandlerEnabled_ = true; }
    // Disposes the content tree and cancels the scene's background jobs; errors are logged,
    // never thrown. A second call does nothing.
    virtual void Dispose();
    // Becomes the engine's current scene and input receiver; the animation clock restarts.
    virtual void ShowScene(bool disposeOld);
    // Advances the animations, then draws; failures are logged and rethrown.
    virtual void Update(uint32_t ticks);
    virtual const std::shared_ptr<Node>& Root() const { return root_; }
    virtual zr2d::NodeFactory& NodeFactory() { return *nodeFactory_; }
    virtual zr2d::GameEngine& GameEngine() const { return gameEngine_; }
    virtual const std::shared_ptr<zr2d::AnimationManager>& AnimationManager() const {
        return animationManager_;
    }
    virtual const common::Color& BackgroundColor() const { return backgroundColor_; }
    // Applied at the next ShowScene.
    virtual void SetBackgroundColor(const common::Color& color) { backgroundColor_ = color; }
    virtual const std::shared_ptr<zr2d::EventManager>& EventManager() const {
        return eventManager_;
    }
    // Called after drawing, every frame, once EnableUpdateHandler has been called.
    virtual void SetUpdateHandler(std::function<void()> handler) {
        updateHandler_ = std::move(handler);
    }
    virtual const std::string& Name() const { return name_; }
    virtual const std::shared_ptr<zr2d::Camera>& Camera() const { return camera_; }
    // Adds cursor under parent and moves it with the mouse from now on (the system pointer is
    // hidden). A later call replaces which node follows.
    virtual void SetCursor(const std::shared_ptr<Node>& parent,
                           const std::shared_ptr<Node>& cursor);

    // A picture decoded on the engine's workers; done runs on the main thread at the start of a
    // frame, and never once the scene is disposed or the job cancelled.
    std::shared_ptr<PictureJob> DecodeInBackground(PictureRequest request, PictureJob::Done done);

    bool IsDisposed() const { return disposed_; }

  private:
    std::string name_;
    zr2d::GameEngine& gameEngine_;
    std::shared_ptr<Node> root_;
    common::Color backgroundColor_{128, 128, 128, 0};
    std::unique_ptr<zr2d::NodeFactory> nodeFactory_;
    std::shared_ptr<zr2d::AnimationManager> animationManager_;
    std::shared_ptr<zr2d::EventManager> eventManager_;
    std::shared_ptr<zr2d::Camera> camera_;
    std::shared_ptr<Node> cursorNode_;
    std::shared_ptr<InputHandler> cursorHandler_;
    std::function<void()> updateHandler_;
    std::vector<std::shared_ptr<PictureJob>> pictureJobs_;
    bool updateHandlerEnabled_ = false;
    bool disposed_ = false;
};

}  // namespace zr2d
