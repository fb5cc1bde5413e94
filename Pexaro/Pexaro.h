// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <memory>

#include "GameRules.h"
#include "GameScene.h"
#include "KeyCommands.h"
#include "PictureFile.h"
#include "ZudeRezede2D/Animation/ValueManipulator.h"
#include "ZudeRezede2D/Scene/PictureNode.h"
#include "ZudeRezede2D/Scene/TextNode.h"
#include "ZudeRezede2D/Widgets/TextEdit.h"

namespace pexaro {

// The game: the set's pictures one by one in random order, each answer scored against the
// picture's name, a cross-fade with zoom and drift between pictures.
class Pexaro : public GameScene {
  public:
    // Builds the screen and shows the first picture's node (the scene is not shown). A set
    // without a loadable first picture leaves at once: HasLeft() then tells the caller.
    static std::shared_ptr<Pexaro> Create(zr2d::GameEngine& engine, GameData& data,
                                          GameControl& control);
    Pexaro(zr2d::GameEngine& engine, GameData& data, GameControl& control);

    // Enter in the answer field.
    void SubmitAnswer();
    // "Beenden", and the end of the game: back to the menu, the total handed over only when
    // the game was finished.
    void Leave();
    bool HasLeft() const { return left_; }

    int32_t Points() const { return rules_.Points(); }
    bool IsFinished() const { return rules_.IsFinished(); }
    const std::shared_ptr<zr2d::PictureNode>& PictureNode() const { return pictureNode_; }
    const std::shared_ptr<zr2d::PictureNode>& TransitionNode() const { return transitionNode_; }
    const std::shared_ptr<zr2d::TextEdit>& Input() const { return input_; }
    const std::shared_ptr<PictureFile>& CurrentPicture() const { return rules_.Current(); }
    // The next picture's pixels have been taken up: Enter only uploads them.
    bool NextPictureReady() const { return nextPixels_.has_value(); }

  private:
    void Build();
    void BuildInputFrame(zr2d::Node& layer, const common::Point2D& screen);
    void BuildPointsDisplay(zr2d::Node& layer, const common::Point2D& screen);
    void NextPicture();
    // Counts the chosen picture as the current one; false when none was chosen.
    bool MakeNextCurrent();
    std::string PathOf(const PictureFile& picture) const;
    // Chooses the next picture while this one is shown, and decodes it in the background.
    void PrepareNextPicture();
    // The next picture's texture once decoded (waiting if need be); null when it failed.
    std::shared_ptr<zr2d::Texture> TakeNextPicture();
    void ShowAnswerFeedback(int32_t score);
    void StartTransition(bool withNewPicture);
    void StartZoom();
    void StartDrift();
    // Runs value from 0 to 150 while the old picture fades out, handing each step to apply.
    std::shared_ptr<zr2d::ValueManipulator> StartTransitionValue(
        float& value, const std::function<void(float)>& apply);
    void ResetTransitionNode();
    void OnTransitionFinished();
    void FadeOutQuickInfo(std::shared_ptr<zr2d::Node> node);
    void CenterPicture();

    GameRules rules_;
    std::shared_ptr<zr2d::PictureNode> pictureNode_;
    std::shared_ptr<zr2d::PictureNode> transitionNode_;
    std::shared_ptr<zr2d::PictureJob> nextJob_;
    std::optional<zr2d::Picture> nextPixels_;
    std::shared_ptr<zr2d::TextNode> quickPointInfo_;
    std::shared_ptr<zr2d::Frame> inputFrame_;
    std::shared_ptr<zr2d::TextEdit> input_;
    std::shared_ptr<zr2d::TextNode> pointsText_;
    std::shared_ptr<zr2d::TextNode> progressText_;
    std::shared_ptr<zr2d::TextNode> lastPicInfo_;
    std::filesystem::path gameFolder_;
    float zoomValue_ = 0;
    float driftValue_ = 0;
    float zoomFactorX_ = 0;
    float zoomFactorY_ = 0;
    float driftFactorX_ = 0;
    float driftFactorY_ = 0;
    std::shared_ptr<zr2d::ValueManipulator> zoomManipulator_;
    std::shared_ptr<zr2d::ValueManipulator> driftManipulator_;
    bool pictureFailed_ = false;
    bool left_ = false;
    std::unique_ptr<KeyCommands> keys_;
};

}  // namespace pexaro
