// SPDX-License-Identifier: GPL-3.0-or-later
#include "Scene.h"

#include "Common/Exception.h"
#include "Common/MyLog.h"
#include "ZudeRezede2D/GameEngine.h"

namespace zr2d {

using common::MyLog;
using common::Point3D;

Scene::Scene(std::string name, zr2d::GameEngine& gameEngine)
    : name_(std::move(name)), gameEngine_(gameEngine) {
    MyLog::Info("New Scene " + name_);
    nodeFactory_ = std::make_unique<zr2d::NodeFactory>(&gameEngine_, this);
    animationManager_ = std::make_shared<zr2d::AnimationManager>();
    eventManager_ = std::make_shared<zr2d::EventManager>();
    root_ = nodeFactory_->CreateEmptyNode(name_ + "_root", Point3D(0, 0, 0), Point3D(0, 0, 0));
    camera_ = std::make_shared<zr2d::Camera>(name_ + "_camera", Point3D(0, 0, 10), Point3D(0, 0, 0),
                                             Point3D(0, 1, 0), false);
    camera_->AddChild(root_);
    MyLog::Info("New Scene " + name_ + " end");
}

Scene::~Scene() {
    for (const auto& job : pictureJobs_) job->Cancel();
}

void Scene::Dispose() {
    if (disposed_) return;
    disposed_ = true;
    for (const auto& job : pictureJobs_) job->Cancel();
    pictureJobs_.clear();
    try {
        if (cursorHandler_) eventManager_->RemoveInputHandler(cursorHandler_);
        root_->Dispose(gameEngine_);
    } catch (const std::exception& error) {
        MyLog::Warning(error);
    }
}

void Scene::ShowScene(bool disposeOld) {
    MyLog::Info("ShowScene Scene " + name_);
    gameEngine_.VideoEngine().SetClearColor(backgroundColor_);
    gameEngine_.SetScene(shared_from_this(), disposeOld);
    gameEngine_.SetEventManager(eventManager_);
    animationManager_->Start();
}

void Scene::Update(uint32_t ticks) {
    try {
        animationManager_->Update(ticks);
        // An animation may have replaced and disposed this scene: nothing left to draw.
        if (disposed_) return;
        camera_->Update(gameEngine_);
        if (updateHandlerEnabled_ && updateHandler_) updateHandler_();
    } catch (const std::exception&) {
        const std::string context = "Fehler in Scene.Update " + name_;
        MyLog::Info(context);
        std::throw_with_nested(common::Exception(context));
    }
}

std::shared_ptr<PictureJob> Scene::DecodeInBackground(PictureRequest request,
                                                      PictureJob::Done done) {
    std::erase_if(pictureJobs_, [](const auto& job) { return job->IsOver(); });
    auto job = gameEngine_.Decoder().Submit(std::move(request), std::move(done));
    // A disposed scene takes nothing up any more.
    if (disposed_) job->Cancel();
    pictureJobs_.push_back(job);
    return job;
}

void Scene::SetCursor(const std::shared_ptr<Node>& parent, const std::shared_ptr<Node>& cursor) {
    if (!cursorHandler_) {
        Engine& video = gameEngine_.VideoEngine();
        video.ShowCursor(false);
        const common::Point2D window = video.ScreenSize();
        // Weak: the event manager may outlive the scene inside the engine.
        cursorHandler_ = eventManager_->AddInputHandler(
            common::Rect(Point3D(0, 0, 0), Point3D(window.X(), window.Y(), 0)),
            [weak = weak_from_this()](bool, EventType, std::span<const uint8_t>,
                                      const std::optional<common::Point2D>& mouse) {
                const auto scene = weak.lock();
                if (!scene || !scene->cursorNode_ || !mouse) return;
                scene->cursorNode_->SetPosition(
                    Point3D(mouse->X(), mouse->Y(), scene->cursorNode_->Position().Z()));
            });
    }
    parent->AddChild(cursor);
    cursorNode_ = cursor;
}

}  // namespace zr2d
