// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameScene.h"

#include <optional>

#include "Common/Exception.h"
#include "Common/MyLog.h"
#include "Common/Platform/Utf8Path.h"
#include "FolderListing.h"

namespace pexaro {

using common::MyLog;
using common::Point3D;

GameScene::GameScene(const std::string& sceneName, zr2d::GameEngine& engine, GameData& data,
                     GameControl& control)
    : Scene(sceneName, engine), data_(data), control_(control), look_(NodeFactory(), data.Sounds()) {
    SetBackgroundColor(common::Color(255, 0, 0, 0));
    // A dark backdrop over the clear colour, large enough to fill the screen under the 2D
    // view and under the perspective view of the game, which shows z = 0 slightly smaller.
    const common::Point2D screen = engine.VideoEngine().ScreenSize();
    Root()->AddChild(look_.Gradient("backdrop", Point3D(-screen.X() / 2, -screen.Y() / 2, 0),
                                    Point3D(screen.X() * 2, screen.Y() * 2, 0),
                                    common::Color(24, 38, 60, 255), common::Color(4, 8, 16, 255)));
}

std::shared_ptr<zr2d::NodeFadeTransparent> GameScene::NewFadeTransparent(
    const std::shared_ptr<zr2d::Node>& node, int32_t target, float acceleration, float maxSpeed) {
    return zr2d::NodeFadeTransparent::Create(*this, node, target, acceleration, maxSpeed, true);
}

std::shared_ptr<zr2d::TextNode> GameScene::Text(const std::string& name, const Point3D& position,
                                                const std::shared_ptr<zr2d::Font>& font,
                                                const std::string& text) {
    return NodeFactory().CreateTextNode(name, position, font, text);
}

bool GameScene::IsPictureFile(const std::string& fileName) const {
    return PictureFile::IsPictureFile(fileName);
}

std::vector<std::shared_ptr<PictureFile>> GameScene::ReadPictureFolder(
    const std::filesystem::path& folder) const {
    std::vector<std::string> names;
    try {
        names = FolderListing::Files(folder);
    } catch (const std::exception&) {
        throw common::Exception("Verarbeitung des Verzeichnisses " +
                                common::Utf8Path::Text(folder) + " ist fehlerhaft abgebrochen");
    }
    std::vector<std::shared_ptr<PictureFile>> pictures;
    for (const auto& name : names) {
        try {
            if (IsPictureFile(name)) pictures.push_back(std::make_shared<PictureFile>(name));
        } catch (const std::exception& error) {
            MyLog::Warning(error);
            MyLog::Info("Datei " + name + " wird ignoriert.");
        }
    }
    return pictures;
}

zr2d::PictureRequest GameScene::PictureRequestFor(const std::string& path,
                                                  const std::optional<common::Point2D>& bounds) {
    // Camera photos are larger than the screen: shown whole, scaled down, not cropped.
    return {path, bounds.value_or(GameEngine().VideoEngine().ScreenSize()),
            "_tmpFilePexaro", std::nullopt};
}

std::shared_ptr<zr2d::Texture> GameScene::LoadPictureTexture(
    const std::string& path, const std::optional<common::Point2D>& bounds) {
    const auto picture = zr2d::BackgroundDecoder::Decode(PictureRequestFor(path, bounds));
    return picture ? UploadPicture(*picture, path) : nullptr;
}

std::shared_ptr<zr2d::Texture> GameScene::UploadPicture(const zr2d::Picture& picture,
                                                        const std::string& id) {
    try {
        return GameEngine().VideoEngine().Factory().CreatePictureTexture(picture, id);
    } catch (const std::exception& error) {
        MyLog::Warning(error);
        return nullptr;
    }
}

}  // namespace pexaro
