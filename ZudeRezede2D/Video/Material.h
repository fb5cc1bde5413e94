// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>
#include <utility>

#include "Texture.h"

namespace zr2d {

// A named texture for meshes; without a texture the material is untextured.
class Material {
  public:
    explicit Material(std::string name) : name_(std::move(name)) {}
    virtual ~Material() = default;

    virtual void SetTexture(std::shared_ptr<zr2d::Texture> texture) {
        texture_ = std::move(texture);
    }
    virtual const std::shared_ptr<zr2d::Texture>& Texture() const { return texture_; }
    const std::string& Name() const { return name_; }

  private:
    std::shared_ptr<zr2d::Texture> texture_;
    std::string name_;
};

}  // namespace zr2d
