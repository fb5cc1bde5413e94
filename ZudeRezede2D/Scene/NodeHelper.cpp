// SPDX-License-Identifier: GPL-3.0-or-later
#include "NodeHelper.h"

#include "ZudeRezede2D/Video/Data/SingleVertices.h"

namespace zr2d {

using common::Point3D;

std::shared_ptr<IVertices> NodeHelper::CreateGradientRectangle(const Point3D& size,
                                                               const common::Color& first,
                                                               const common::Color& second) {
    auto vertices = std::make_shared<SingleVertices>(4);
    vertices->SetVertex(0, Point3D(0, 0, 0), first)
        .SetVertex(1, Point3D(0, size.Y(), 0), second)
        .SetVertex(2, Point3D(size.X(), size.Y(), 0), second)
        .SetVertex(3, Point3D(size.X(), 0, 0), first);
    return vertices;
}

}  // namespace zr2d
