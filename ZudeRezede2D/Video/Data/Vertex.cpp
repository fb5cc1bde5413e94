// SPDX-License-Identifier: GPL-3.0-or-later
#include "Vertex.h"

#include "ZudeRezede2D/Video/Engine.h"

namespace zr2d {

void Vertex::Draw(Engine& engine) const { engine.AddVertex(position_); }

}  // namespace zr2d
