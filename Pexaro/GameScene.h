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
#include "WidgetLook.h"
#include "ZudeRezede2D/GameEngine.h"
#include "ZudeRezede2D/Helper/NodeFadeTransparent.h"
#include "ZudeRezede2D/Widgets/Control.h"
#include "ZudeRezede2D/Widgets/Frame.h"

namespace pexaro {

class GameControl;

// The base of the game's screens: carries the shared data and the controller, loads picture
// sets and pictures, and owns the game's look for its widgets.
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
    // The game's look for this scene's widgets, panels and shapes.
    pexaro::WidgetLook& Look() { return look_; }

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
    // A text node of this scene, not yet attached.
    std::shared_ptr<zr2d::TextNode> Text(const std::string& name, const common::Point3D& position,
                                         const std::shared_ptr<zr2d::Font>& font,
                                         const std::string& text);

  private:
    GameData& data_;
    GameControl& control_;
    pexaro::WidgetLook look_;
};

}  // namespace pexaro
