// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "Face.h"
#include "ZudeRezede2D/Video/Material.h"

namespace zr2d::data {

// The faces of one object of a mesh, drawn with one material (none: untextured).
struct FaceGroup {
    std::vector<Face> faces;
    std::shared_ptr<Material> material;
    std::string name;
};

}  // namespace zr2d::data
