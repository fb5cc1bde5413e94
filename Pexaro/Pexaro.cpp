// SPDX-License-Identifier: GPL-3.0-or-later
#include "Pexaro.h"

#include <exception>

#include "Common/Exception.h"
#include "Common/MyLog.h"
#include "Common/Platform/Utf8Path.h"
#include "Common/RandomNumber.h"
#include "GameControl.h"
#include "ZudeRezede2D/Widgets/Group.h"

namespace pexaro {

using common::Color;
using common::MyLog;
using common::Point2D;
using common::Point3D;
using common::RandomNumber;

namespace {

// A random magnitude in [low, high] / divisor, negated unless the coin shows its first face.
float SignedFactor(int32_t low, int32_t high, float divisor, int32_t coinLow) {
    const float magnitude = static_cast<float>(RandomNumber::Get(low, high)) / divisor;
    return RandomNumber::Get(coinLow, coinLow + 1) == coinLow ? magnitude : -magnitude;
}

}  // namespace

std::shared_ptr<Pexaro> Pexaro::Create(zr2d::GameEngine& engine, GameData& data,
                                       GameControl& control) {
    auto game = std::make_shared<Pexaro>(engine, data, control);
    game->Build();
    return game;
}

Pexaro::Pexaro(zr2d::GameEngine& engine, GameData& data, GameControl& control)
    : GameScene("Pexaro", engine, data, control) {}

void Pexaro::Build() {
    try {
        const Point2D screen = GameEngine().VideoEngine().ScreenSize();
        gameFolder_ = Data().GameFolder();
        rules_ = GameRules(ReadPictureFolder(gameFolder_));
        // Perspective, turned upright by the downward up vector, for the picture change.
        Camera()->SetPosition(Point3D(0, 0, 10));
        Camera()->SetUp(Point3D(0, -1, 0));
        // The information layer is a pixel overlay, origin top left, drawn over the pictures.
        auto infoCam = NodeFactory().CreateCamera("infoCam", Point3D(0, 0, 10), Point3D(0, 0, 0),
                                                  Point3D(0, 1, 0), true);
        BuildInputFrame(*infoCam, screen);
        // Enter and Backspace belong to the answer field; Escape is "Beenden", F9 the sound.
        keys_ = std::make_unique<KeyCommands>(*EventManager());
        keys_->On(zr2d::Keys::Escape, [this] { Leave(); });
        keys_->On(zr2d::Keys::F9, [this] { Data().Sounds().ToggleMute(); });
        lastPicInfo_ = Text("lastPicInfo", Point3D(10, 22, 1), Data().SmallFont(), "");
        lastPicInfo_->SetColor(Color(200, 200, 200, 255));
        infoCam->AddChild(lastPicInfo_);
        BuildPointsDisplay(*infoCam, screen);
        quickPointInfo_ = Text("quickPointInfo", Point3D(0, 0, 0), Data().LargeFont(), "00 Punkte");
        const Point3D quickSize = quickPointInfo_->Size();
        quickPointInfo_->SetPosition(
            Point3D((screen.X() - quickSize.X()) / 2, (screen.Y() - quickSize.Y()) / 2, 0));
        quickPointInfo_->SetVisible(false);
        infoCam->AddChild(quickPointInfo_);

        rules_.ChooseNext();
        std::shared_ptr<zr2d::Texture> texture;
        if (MakeNextCurrent()) {
            // Nothing is drawn before the first picture is there: no reason to wait for a worker.
            texture = LoadPictureTexture(PathOf(*rules_.Current()));
            pictureFailed_ = !texture;
        }
        if (texture) {
            pictureNode_ = NodeFactory().CreatePictureNode(texture, Point3D(0, 0, 0));
            CenterPicture();
            transitionNode_ = NodeFactory().CreatePictureNode(texture, Point3D(0, 0, 0));
            transitionNode_->SetVisible(false);
            Root()->AddChild(pictureNode_);
            Root()->AddChild(transitionNode_);
        }
        Root()->AddChild(infoCam);
        if (!texture) {
            Leave();
            return;
        }
        PrepareNextPicture();
    } catch (const std::exception& error) {
        MyLog::Warning(error);
        std::throw_with_nested(common::Exception("Fehler beim Initialisieren des Spieles."));
    }
}

void Pexaro::BuildInputFrame(zr2d::Node& layer, const Point2D& screen) {
    inputFrame_ = std::make_shared<zr2d::Frame>(
        "inputFrame",
        common::Rect(Point3D(screen.X() / 2 - 200, screen.Y() - 44, 1), Point3D(416, 40, 0)),
        shared_from_this(), Data().SmallFont(), Look().NodeCreator());
    auto& group = *inputFrame_->MainGroup();
    group.AddTextEdit("teInput", common::Rect(Point3D(8, 0, 0), Point3D(400, 16, 0)), "");
    group.AddTextButton("Beenden", Point3D(340, 24, 1), common::Bind<>(this, &Pexaro::Leave), "");
    input_ = std::dynamic_pointer_cast<zr2d::TextEdit>(group.GetControl("teInput"));
    input_->SetMaxLength(40);
    input_->EnterPressed().Add(common::Bind<>(this, &Pexaro::SubmitAnswer));
    input_->SetActive(true);
    layer.AddChild(inputFrame_);
}

void Pexaro::BuildPointsDisplay(zr2d::Node& layer, const Point2D& screen) {
    const float width = 200;
    auto panel = Look().CreateFramePanel("pointsDisplay", Point3D(width, 40, 0),
                                         Color(7, 21, 36, 64), false);
    // The panel's own node reaches 6 beyond its size on each side.
    panel->SetPosition(Point3D(screen.X() - panel->Size().X() - 3, 3, 0));
    const auto rightAligned = [&](const std::string& name, const Point3D& position,
                                  const std::shared_ptr<zr2d::Font>& font,
                                  const std::string& text) {
        auto node = Text(name, position.Add(Point3D(6, 6, 0)), font, text);
        node->SetAlignLeft(false);
        panel->AddChild(node);
        return node;
    };
    pointsText_ = rightAligned("points", Point3D(width - 100, 18, 0), Data().LargeFont(), "0");
    rightAligned("pointsInfo", Point3D(width - 100, 0, 0), Data().SmallFont(), "Punkte");
    progressText_ = rightAligned("progress", Point3D(width, 18, 0), Data().LargeFont(), "0");
    rightAligned("progressInfo", Point3D(width, 0, 0), Data().SmallFont(), "Fortschritt");
    layer.AddChild(panel);
}

bool Pexaro::MakeNextCurrent() {
    if (!rules_.Advance()) return false;
    progressText_->SetText(rules_.Progress());
    return true;
}

std::string Pexaro::PathOf(const PictureFile& picture) const {
    return common::Utf8Path::Text(gameFolder_) + "//" + picture.FileName();
}

void Pexaro::PrepareNextPicture() {
    const auto& next = rules_.ChooseNext();
    if (!next) return;
    nextJob_ = DecodeInBackground(
        PictureRequestFor(PathOf(*next)),
        [this](std::optional<zr2d::Picture> picture) { nextPixels_ = std::move(picture); });
}

std::shared_ptr<zr2d::Texture> Pexaro::TakeNextPicture() {
    GameEngine().Decoder().Wait(nextJob_);
    nextJob_.reset();
    if (!nextPixels_) return nullptr;
    auto texture = UploadPicture(*nextPixels_, PathOf(*rules_.Current()));
    nextPixels_.reset();
    return texture;
}

void Pexaro::CenterPicture() {
    const Point2D screen = GameEngine().VideoEngine().ScreenSize();
    const Point3D size = pictureNode_->Size();
    pictureNode_->SetPosition(Point3D((screen.X() - size.X()) / 2, (screen.Y() - size.Y()) / 2, 0));
}

void Pexaro::SubmitAnswer() {
    if (rules_.IsFinished() || (transitionNode_ && transitionNode_->Visible())) return;
    try {
        if (zoomManipulator_) zoomManipulator_->Stop();
        if (driftManipulator_) driftManipulator_->Stop();
        const int32_t score = rules_.Score(input_->Text());
        quickPointInfo_->SetText(std::to_string(score) + " Punkte");
        NewFadeTransparent(quickPointInfo_, 255, 10.0f, 90.0f)
            ->Finished()
            .Add(common::Bind<std::shared_ptr<zr2d::Node>>(this, &Pexaro::FadeOutQuickInfo));
        pointsText_->SetText(std::to_string(rules_.Points()));
        ShowAnswerFeedback(score);
    } catch (const std::exception& error) {
        MyLog::Warning(error);
        std::throw_with_nested(common::Exception("Fehler bei Überprüfung der Eingabe"));
    }
    try {
        NextPicture();
    } catch (const std::exception& error) {
        // The picture change has logged its cause already: only its own line is new here.
        MyLog::Warning(std::string_view(error.what()));
        std::throw_with_nested(common::Exception("Fehler bei Überprüfung der Eingabe"));
    }
}

void Pexaro::FadeOutQuickInfo(std::shared_ptr<zr2d::Node> node) {
    NewFadeTransparent(node, 0, 1.0f, 10.0f);
}

void Pexaro::ShowAnswerFeedback(int32_t score) {
    const std::string& file = rules_.Current()->FileName();
    const std::string name = file.substr(0, file.size() - 4);
    if (score == 10) {
        lastPicInfo_->SetVisible(false);
        Data().Sounds().Answer(score, name);
        return;
    }
    lastPicInfo_->SetVisible(true);
    lastPicInfo_->SetColor(Color(255 - 10 * score, 255, 255 - 10 * score, 255));
    lastPicInfo_->SetText("Richtig wäre: " + name);
    // Spoken as it reads.
    Data().Sounds().Answer(score, lastPicInfo_->Text());
}

void Pexaro::NextPicture() {
    if (rules_.IsFinished()) return;
    try {
        ResetTransitionNode();
        input_->SetText("");
        std::shared_ptr<zr2d::Texture> texture;
        if (MakeNextCurrent()) {
            texture = TakeNextPicture();
            pictureFailed_ = !texture;
        }
        if (!texture) {
            // A last picture that failed to load ends the game unfinished: it hands nothing over.
            if (rules_.Finish(!pictureFailed_)) {
                StartTransition(false);
            } else {
                Leave();
            }
            return;
        }
        pictureNode_->SetTexture(texture);
        CenterPicture();
        input_->SetActive(true);
        StartTransition(true);
        PrepareNextPicture();
    } catch (const std::exception& error) {
        MyLog::Warning(error);
        std::throw_with_nested(
            common::Exception("Das Spiel wird auf Grund des Fehlers abgebrochen. :("));
    }
}

void Pexaro::ResetTransitionNode() {
    transitionNode_->SetTexture(pictureNode_->Texture());
    transitionNode_->SetScale(pictureNode_->Scale());
    transitionNode_->SetPosition(pictureNode_->Position());
    transitionNode_->SetRotation(pictureNode_->Rotation());
}

void Pexaro::StartTransition(bool withNewPicture) {
    pictureNode_->SetVisible(false);
    transitionNode_->SetVisible(true);
    const float acceleration = static_cast<float>(RandomNumber::Get(30, 60)) / 180.0f;
    const auto maxSpeed = static_cast<float>(RandomNumber::Get(4, 9));
    NewFadeTransparent(transitionNode_, 0, acceleration, maxSpeed)
        ->Stopped()
        .Add(common::Bind<>(this, &Pexaro::OnTransitionFinished));
    if (withNewPicture) NewFadeTransparent(pictureNode_, 255, acceleration, maxSpeed);
    StartZoom();
    StartDrift();
}

void Pexaro::StartZoom() {
    zoomFactorX_ = SignedFactor(10, 140, 16000, 1);
    zoomFactorY_ = SignedFactor(10, 140, 16000, 4);
    zoomManipulator_ = StartTransitionValue(zoomValue_, [this](float v) {
        transitionNode_->SetScale(Point3D(1 + v * zoomFactorX_, 1 + v * zoomFactorY_, 1));
    });
}

void Pexaro::StartDrift() {
    driftFactorX_ = SignedFactor(10, 250, 5000, 1);
    driftFactorY_ = SignedFactor(10, 100, 5000, 4);
    driftManipulator_ = StartTransitionValue(driftValue_, [this](float v) {
        transitionNode_->SetPosition(
            transitionNode_->Position().Add(Point3D(v * driftFactorX_, v * driftFactorY_, 0)));
    });
}

std::shared_ptr<zr2d::ValueManipulator> Pexaro::StartTransitionValue(
    float& value, const std::function<void(float)>& apply) {
    value = 0;
    // Once the old picture is gone the value reads as arrived, which ends the manipulator.
    auto manipulator = std::make_shared<zr2d::ValueManipulator>(
        [this, &value] { return transitionNode_->Visible() ? value : 150.0f; },
        [&value, apply](float v) {
            value = v;
            apply(v);
        },
        0.1f, 1.0f, 150.0f);
    manipulator->Start(AnimationManager());
    return manipulator;
}

void Pexaro::OnTransitionFinished() {
    const auto old = transitionNode_->Texture();
    transitionNode_->SetTexture(pictureNode_->Texture());
    GameEngine().VideoEngine().Factory().FreeTexture(*old);
    if (rules_.IsFinished()) Leave();
}

void Pexaro::Leave() {
    // The button and the end of the last fade can both ask in one frame.
    if (left_) return;
    left_ = true;
    if (rules_.IsFinished()) {
        Data().SetPoints(rules_.Points());
        Data().Sounds().GameEnd();
    }
    Control().ShowMenu();
}

}  // namespace pexaro
