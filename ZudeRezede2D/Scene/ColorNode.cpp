// SPDX-License-Identifier: GPL-3.0-or-later
#include "ColorNode.h"

#include "ZudeRezede2D/GameEngine.h"

namespace zr2d {

void ColorNode::Draw(GameEngine& engine) {
    const common::Point3D size = Size();
    engine.VideoEngine().DrawRectangle(common::Point2D(size.X(), size.Y()), color_);
}

}  // namespace zr2d
