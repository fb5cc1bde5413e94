// SPDX-License-Identifier: GPL-3.0-or-later
#include "ColoredVertices.h"

#include "ZudeRezede2D/Video/Engine.h"

namespace zr2d {

void ColoredVertices::Draw(Engine& engine) {
    engine.SetColor(color_);
    SingleVertices::Draw(engine);
}

}  // namespace zr2d
