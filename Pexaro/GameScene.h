// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "GameData.h"
#include "PictureFile.h"
#include "SetButtonSide.h"
#include "ZudeRezede2D/GameEngine.h"
#include "ZudeRezede2D/Helper/NodeFadeTransparent.h"
#include "ZudeRezede2D/Widgets/Control.h"
#include "ZudeRezede2D/Widgets/Frame.h"

namespace pexaro {

class GameControl;

// The base of the game's screens: carries the shared data and the controller, loads picture
// sets and pictures, and gives the widgets the game's look.
class GameScene : public zr2d::Scene {
  public:
    GameScene(const std::string& sceneName, zr2d::GameEngine& engine, GameData& data,
              GameControl& control);

    virtual GameControl& Control() const { return control_; }
    virtual GameData& Data() const { return data_; }
    // A fade of the node's transparency on this scene, started at once.
    virtual std::shared_ptr<zr2d::NodeFadeTransparent> NewFadeTransparent(
        const std::shared_ptr<zr2d::Node>& node, int32_t target, float acceleration,
        float maxSpeed);
    // Whether the name ends in .jpg, .bmp or .png (any case); names of 4 bytes or fewer throw.
    virtual bool IsPictureFile(const std::string& fileName) const;
    // The widgets' look: the node for one part of a control, or null (always for Sound).
    virtual std::shared_ptr<zr2d::Node> CreateWidgetNode(zr2d::WidgetType type,
                                                         zr2d::WidgetNodeType part,
                                                         zr2d::Control& control);
    // A light border around a darker inner panel, 3 pixels around the size.
    virtual std::shared_ptr<zr2d::Node> CreatePanel(const std::string& name,
                                                    const common::Point3D& size,
                                                    const common::Color& colour, bool inner);
    // The same, 6 pixels around the size.
    virtual std::shared_ptr<zr2d::Node> CreateFramePanel(const std::string& name,
                                                         const common::Point3D& size,
                                                         const common::Color& colour, bool inner);
    virtual std::shared_ptr<zr2d::Node> CreateShape(const std::string& name,
                                                    const common::Point3D& size,
                                                    const common::Color& colour,
                                                    const common::Point3D& position);
    virtual std::shared_ptr<zr2d::Node> CreateRowBackground(const std::string& name,
                                                            const common::Point3D& size,
                                                            const common::Color& colour,
                                                            const common::Point3D& position);
    // The node creator for the game's frames.
    zr2d::NodeCreator WidgetLook();

    // The set's pictures in name order; files that are no pictures are skipped, odd names are
    // logged and skipped.
    std::vector<std::shared_ptr<PictureFile>> ReadPictureFolder(
        const std::filesystem::path& folder) const;
    // A picture read through a temporary copy in the working folder, upright, scaled down when
    // it is larger than the bounds (the screen unless given).
    zr2d::PictureRequest PictureRequestFor(
        const std::string& path, const std::optional<common::Point2D>& bounds = std::nullopt);
    // That picture decoded and uploaded now; null after a warning when it cannot be loaded.
    std::shared_ptr<zr2d::Texture> LoadPictureTexture(
        const std::string& path, const std::optional<common::Point2D>& bounds = std::nullopt);
    // The decoded picture as a texture; null after a warning when it cannot be uploaded.
    std::shared_ptr<zr2d::Texture> UploadPicture(const zr2d::Picture& picture,
                                                 const std::string& id);

  protected:
    // The group check boxes made while build runs are set buttons with their thumbnail on the
    // given side, and get the set-button look.
    void WithSetButtonLook(SetButtonSide side, const std::function<void()>& build);
    // A text node of this scene, not yet attached.
    std::shared_ptr<zr2d::TextNode> Text(const std::string& name, const common::Point3D& position,
                                         const std::shared_ptr<zr2d::Font>& font,
                                         const std::string& text);

  private:
    std::shared_ptr<zr2d::Node> Gradient(const std::string& name, const common::Point3D& position,
                                         const common::Point3D& size, const common::Color& top,
                                         const common::Color& bottom);
    std::shared_ptr<zr2d::Node> BoxPanel(const std::string& name, const common::Point3D& size,
                                         const common::Color& colour, bool inner, float margin);
    std::shared_ptr<zr2d::Node> SetButtonLook(const std::string& name, zr2d::WidgetNodeType part,
                                              const common::Point3D& size, SetButtonSide side);

    GameData& data_;
    GameControl& control_;
    // Set while a set button is built.
    std::optional<SetButtonSide> setButtonSide_;
};

}  // namespace pexaro
