// SPDX-License-Identifier: GPL-3.0-or-later
#include "NodeFactory.h"

#include "Common/Exception.h"
#include "Common/MyLog.h"
#include "ZudeRezede2D/GameEngine.h"

namespace zr2d {

using common::MyLog;

NodeFactory::NodeFactory(zr2d::GameEngine* gameEngine, Scene* scene)
    : gameEngine_(gameEngine), scene_(scene) {
    if (!gameEngine_) throw common::ArgumentException("gameEngine is null");
    if (!scene_) throw common::ArgumentException("scene is null");
}

std::shared_ptr<EmptyNode> NodeFactory::CreateEmptyNode(const std::string& name,
                                                        const common::Point3D& position,
                                                        const common::Point3D& size) {
    MyLog::Info("CreateEmptyNode " + name);
    auto node = std::make_shared<EmptyNode>(name, position, size);
    MyLog::Info("CreatedEmptyNode " + name);
    return node;
}

std::shared_ptr<Camera> NodeFactory::CreateCamera(const std::string& name,
                                                  const common::Point3D& position,
                                                  const common::Point3D& lookAt,
                                                  const common::Point3D& up, bool is2D) {
    MyLog::Info("CreateCamera " + name);
    auto camera = std::make_shared<Camera>(name, position, lookAt, up, is2D);
    MyLog::Info("CreateCamera " + name);
    return camera;
}

std::shared_ptr<PictureNode> NodeFactory::CreatePictureNode(std::shared_ptr<Texture> texture,
                                                            const common::Point3D& position) {
    if (!texture) throw common::Exception("texture is null");
    const std::string name = texture->Surfaces()->Id();
    MyLog::Info("CreatePictureNode " + name);
    return std::make_shared<PictureNode>(name, std::move(texture), position);
}

std::shared_ptr<PictureNode> NodeFactory::CreatePictureNode(const std::string& fileName,
                                                            const common::Point3D& position) {
    MyLog::Info("CreatePictureNode " + fileName);
    auto texture = gameEngine_->VideoEngine().Factory().CreateTextureFromFile(fileName, true, 0);
    return std::make_shared<PictureNode>(fileName, std::move(texture), position);
}

std::shared_ptr<PictureNode> NodeFactory::CreateEmptyPictureNode(const std::string& name,
                                                                 const common::Point3D& position,
                                                                 const common::Point2D& size) {
    MyLog::Info("CreateEmptyPictureNode " + name);
    auto texture = gameEngine_->VideoEngine().Factory().CreateTexture(name, size);
    return std::make_shared<PictureNode>(name, std::move(texture), position);
}

std::shared_ptr<ColorNode> NodeFactory::CreateColorNode(const std::string& name,
                                                        const common::Rect& area,
                                                        const common::Color& color) {
    MyLog::Info("CreateColorNode " + name);
    return std::make_shared<ColorNode>(name, area, color);
}

std::shared_ptr<SimpleFormNode> NodeFactory::CreateSimpleFormNode(
    const std::string& name, const common::Point3D& position, BasicShapeType shape,
    std::shared_ptr<IVertices> vertices) {
    MyLog::Info("CreateSimpleFormNode " + name);
    return std::make_shared<SimpleFormNode>(name, position, shape, std::move(vertices));
}

std::shared_ptr<TextNode> NodeFactory::CreateTextNode(const std::string& name,
                                                      const common::Point3D& position,
                                                      std::shared_ptr<Font> font,
                                                      const std::string& text) {
    MyLog::Info("CreateTextNode " + name);
    return std::make_shared<TextNode>(name, gameEngine_->VideoEngine(), position, std::move(font),
                                      text);
}

std::shared_ptr<TextsNode> NodeFactory::CreateTextsNode(const std::string& name,
                                                        const common::Point3D& position,
                                                        std::shared_ptr<Font> font,
                                                        const std::string& text) {
    MyLog::Info("CreateTextsNode " + name);
    return std::make_shared<TextsNode>(name, position, std::move(font), text, *this);
}

std::shared_ptr<DynamicMeshNode> NodeFactory::CreateDynamicMeshNode(
    const std::string& fileName, const common::Point3D& position) {
    MyLog::Info("CreateDynamicMeshNode " + fileName);
    auto mesh = gameEngine_->VideoEngine().Factory().LoadMesh(fileName);
    auto node = std::make_shared<DynamicMeshNode>(fileName, position, std::move(mesh));
    MyLog::Info("CreateDynamicMeshNode " + fileName);
    return node;
}

}  // namespace zr2d
