// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>

#include "Camera.h"
#include "ColorNode.h"
#include "Common/Color.h"
#include "Common/Rect.h"
#include "DynamicMeshNode.h"
#include "EmptyNode.h"
#include "PictureNode.h"
#include "SimpleFormNode.h"
#include "TextNode.h"
#include "TextsNode.h"

namespace zr2d {

class GameEngine;
class Scene;

// The one place where a scene's nodes are made: logs each creation and loads what a node
// needs. Created nodes are detached; the caller attaches them.
class NodeFactory {
  public:
    // A null engine or scene throws ArgumentException ("gameEngine is null", "scene is null").
    NodeFactory(zr2d::GameEngine* gameEngine, Scene* scene);
    virtual ~NodeFactory() = default;

    virtual zr2d::GameEngine& GameEngine() const { return *gameEngine_; }
    virtual std::shared_ptr<EmptyNode> CreateEmptyNode(const std::string& name,
                                                       const common::Point3D& position,
                                                       const common::Point3D& size);
    virtual std::shared_ptr<Camera> CreateCamera(const std::string& name,
                                                 const common::Point3D& position,
                                                 const common::Point3D& lookAt,
                                                 const common::Point3D& up, bool is2D);
    // Named after the texture's image.
    virtual std::shared_ptr<PictureNode> CreatePictureNode(std::shared_ptr<Texture> texture,
                                                           const common::Point3D& position);
    // Loads through the texture cache; a file that cannot be loaded throws "texture is null".
    virtual std::shared_ptr<PictureNode> CreatePictureNode(const std::string& fileName,
                                                           const common::Point3D& position);
    // A blank, fully transparent picture.
    virtual std::shared_ptr<PictureNode> CreateEmptyPictureNode(const std::string& name,
                                                                const common::Point3D& position,
                                                                const common::Point2D& size);
    virtual std::shared_ptr<ColorNode> CreateColorNode(const std::string& name,
                                                       const common::Rect& area,
                                                       const common::Color& color);
    virtual std::shared_ptr<SimpleFormNode> CreateSimpleFormNode(
        const std::string& name, const common::Point3D& position, BasicShapeType shape,
        std::shared_ptr<IVertices> vertices);

    virtual std::shared_ptr<TextNode> CreateTextNode(const std::string& name,
                                                     const common::Point3D& position,
                                                     std::shared_ptr<Font> font,
                                                     const std::string& text);
    virtual std::shared_ptr<TextsNode> CreateTextsNode(const std::string& name,
                                                       const common::Point3D& position,
                                                       std::shared_ptr<Font> font,
                                                       const std::string& text);
    // Loads the OBJ file through the video factory; its failure reaches the caller.
    virtual std::shared_ptr<DynamicMeshNode> CreateDynamicMeshNode(const std::string& fileName,
                                                                   const common::Point3D& position);

  private:
    zr2d::GameEngine* gameEngine_;
    Scene* scene_;
};

}  // namespace zr2d
