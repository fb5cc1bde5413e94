// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>

#include "Common/Point2D.h"
#include "Common/Point3D.h"
#include "VideoInfo.h"

namespace zr2d {

// OpenGL's projection and model-view matrices: a camera sets the view, nodes push and pop
// their transforms on top of it.
class TransformStack {
  public:
    TransformStack(const common::Point2D& screen, zr2d::VideoInfo& videoInfo);

    // Orthographic, one unit per pixel, origin top-left, y down.
    void Set2DView(const common::Point3D& eye, const common::Point3D& center,
                   const common::Point3D& up);
    // Perspective with the camera points taken relative to the screen centre.
    void Set3DView(const common::Point3D& eye, const common::Point3D& center,
                   const common::Point3D& up);
    float ViewDepth() const { return viewDepth_; }
    void Push(const std::optional<common::Point3D>& translation,
              const std::optional<common::Point3D>& rotation,
              const std::optional<common::Point3D>& scale);
    void PushIdentity();
    void Pop();
    // Column-major, as OpenGL keeps it.
    std::array<float, 16> ModelViewMatrix() const;

  private:
    const common::Point2D screen_;
    zr2d::VideoInfo& videoInfo_;
    const float viewDepth_ = 100.0f;
};

}  // namespace zr2d
