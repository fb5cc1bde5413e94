// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <vector>

#include "AlphaStack.h"
#include "BasicShapeType.h"
#include "Common/Color.h"
#include "Common/Point2D.h"
#include "Data/Common/Face.h"
#include "Data/Common/Vertex.h"
#include "GlyphBatch.h"
#include "Material.h"
#include "Surfaces.h"
#include "VideoInfo.h"

namespace zr2d {

// The drawing primitives in OpenGL's immediate mode, in the current alpha, counted in the
// frame's VideoInfo.
class ImmediateDrawing {
  public:
    ImmediateDrawing(const AlphaStack& alphas, zr2d::VideoInfo& videoInfo);

    void ClearFrame(const common::Color& color);
    void DrawSurfaces(const zr2d::Surfaces& surfaces, const std::optional<common::Color>& color,
                      const std::optional<common::Point2D>& size);
    void DrawGlyphBatch(const GlyphBatch& batch, const std::optional<common::Color>& color);
    void DrawRectangle(const common::Point2D& size, const common::Color& color);
    void BeginMaterial(const zr2d::Material& material);
    void EndMaterial(const zr2d::Material& material);
    void DrawTriangle(const std::vector<data::Vertex>& positions,
                      const std::vector<data::Vertex>& texCoords,
                      const std::vector<data::Vertex>& normals);
    void DrawFaces(const std::vector<data::Vertex>& positions, const std::vector<data::Face>& faces,
                   const std::vector<data::Vertex>& texCoords,
                   const std::vector<data::Vertex>& normals);
    void AddVertex(float x, float y, float z);
    // The colour's alpha, scaled by the current alpha when one is pushed.
    void SetColor(const common::Color& color);
    void BeginShape(BasicShapeType type);
    void EndShape();

  private:
    // The state textured quads are drawn in: the colour's red, green and blue (white when
    // absent) with the current alpha, blended.
    void BeginTexturedQuads(const std::optional<common::Color>& color);
    void EndTexturedQuads();

    const AlphaStack& alphas_;
    zr2d::VideoInfo& videoInfo_;
};

}  // namespace zr2d
