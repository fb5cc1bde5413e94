// SPDX-License-Identifier: GPL-3.0-or-later
#include "Camera.h"

#include "ZudeRezede2D/GameEngine.h"

namespace zr2d {

void Camera::Draw(GameEngine& engine) {
    Engine& video = engine.VideoEngine();
    if (is2D_) {
        video.Set2DView(Position(), lookAt_, up_);
    } else {
        video.Set3DView(Position(), lookAt_, up_);
    }
}

}  // namespace zr2d
