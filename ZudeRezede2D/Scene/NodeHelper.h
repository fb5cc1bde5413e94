// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include "Common/Color.h"
#include "Common/Point3D.h"
#include "ZudeRezede2D/Video/Data/IVertices.h"

namespace zr2d {

class NodeHelper {
  public:
    NodeHelper() = delete;

    // Four coloured corners for a quad of the given size: the top edge in first, the bottom
    // edge in second (a vertical gradient). z is ignored.
    static std::shared_ptr<IVertices> CreateGradientRectangle(const common::Point3D& size,
                                                              const common::Color& first,
                                                              const common::Color& second);
};

}  // namespace zr2d
