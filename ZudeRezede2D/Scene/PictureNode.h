// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <optional>

#include "Common/Color.h"
#include "Node.h"
#include "ZudeRezede2D/Video/Texture.h"

namespace zr2d {

// A texture drawn at its own size, or stretched over the node's size while useSize is on;
// optionally tinted.
class PictureNode : public Node {
  public:
    // A null texture throws common::Exception("texture is null").
    PictureNode(std::string name, std::shared_ptr<zr2d::Texture> texture,
                const common::Point3D& position);

    // Hands the texture back to the video factory.
    void DisposeNode(GameEngine& engine) override;
    void Draw(GameEngine& engine) override;
    // The texture's size (times the scale) unless useSize is on.
    common::Point3D Size() const override;
    virtual void SetUseSize(bool useSize) { useSize_ = useSize; }
    virtual const std::shared_ptr<zr2d::Texture>& Texture() const { return texture_; }
    // Does not release the old texture and keeps the stored size.
    virtual void SetTexture(std::shared_ptr<zr2d::Texture> texture);
    virtual void SetTint(const std::optional<common::Color>& tint) { tint_ = tint; }

  private:
    std::shared_ptr<zr2d::Texture> texture_;
    std::optional<common::Color> tint_;
    bool useSize_ = false;
};

}  // namespace zr2d
