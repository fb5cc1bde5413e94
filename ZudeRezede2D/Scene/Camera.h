// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Node.h"

namespace zr2d {

// Sets up the view (2D pixels or perspective) when drawn; its children are seen through it.
// The node position is the eye point.
class Camera : public Node {
  public:
    Camera(std::string name, const common::Point3D& position, const common::Point3D& lookAt,
           const common::Point3D& up, bool is2D)
        : Node(std::move(name), position, std::nullopt), lookAt_(lookAt), up_(up), is2D_(is2D) {}

    void DisposeNode(GameEngine&) override {}
    void Draw(GameEngine& engine) override;
    virtual const common::Point3D& LookAt() const { return lookAt_; }
    virtual void SetLookAt(const common::Point3D& lookAt) { lookAt_ = lookAt; }
    virtual const common::Point3D& Up() const { return up_; }
    virtual void SetUp(const common::Point3D& up) { up_ = up; }
    virtual bool Is2D() const { return is2D_; }
    virtual void SetIs2D(bool is2D) { is2D_ = is2D; }

  private:
    common::Point3D lookAt_;
    common::Point3D up_;
    bool is2D_;
};

}  // namespace zr2d
