// SPDX-License-Identifier: GPL-3.0-or-later
#include "ColoredVertex.h"

#include "ZudeRezede2D/Video/Engine.h"

namespace zr2d {

void ColoredVertex::Draw(Engine& engine) const {
    engine.SetColor(color_);
    engine.AddVertex(Position());
}

}  // namespace zr2d
