// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "AlphaStack.h"
#include "BasicShapeType.h"
#include "Common/Color.h"
#include "Common/Point2D.h"
#include "Common/Point3D.h"
#include "Data/Common/Face.h"
#include "Data/Common/Vertex.h"
#include "Factory.h"
#include "FontManager.h"
#include "GlyphAtlas.h"
#include "GlyphBatch.h"
#include "ImmediateDrawing.h"
#include "MaskData.h"
#include "Material.h"
#include "Materials.h"
#include "SurfaceManager.h"
#include "Surfaces.h"
#include "Texture.h"
#include "TextureLedger.h"
#include "TransformStack.h"
#include "VideoInfo.h"
#include "VideoResources.h"
#include "VideoSettings.h"
#include "Window.h"

namespace zr2d {

// The one door to the graphics hardware: an SDL window with an OpenGL context, the frame,
// the camera projections and the drawing primitives. Main thread only. Each job is a part it
// owns (window, transform and alpha stacks, drawing, resources); its operations stay virtual
// here so that tests can stand in for any of them.
class Engine {
  public:
    // Opens the window; throws when SDL, the colour depth or the video mode fail.
    Engine(const zr2d::VideoSettings& settings, const std::string& title);
    virtual ~Engine() = default;
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;

    virtual void Dispose();
    virtual void ShowCursor(bool visible);
    // Orthographic, one unit per pixel, origin top-left, y down.
    virtual void Set2DView(const common::Point3D& eye, const common::Point3D& center,
                           const common::Point3D& up);
    // Perspective with the camera points taken relative to the screen centre.
    virtual void Set3DView(const common::Point3D& eye, const common::Point3D& center,
                           const common::Point3D& up);
    virtual float ViewDepth() const;
    virtual void InitFrame();
    virtual void EndFrame();
    // Between window and full screen, where the SDL library can switch a running window.
    void ToggleFullscreen();

    // The current alpha is the last pushed value (255 when none): pushing replaces it.
    virtual void PushAlpha(int32_t alpha);
    virtual int32_t PopAlpha();
    virtual void DrawTexture(const zr2d::Texture& texture,
                             const std::optional<common::Color>& color,
                             const std::optional<common::Point2D>& size);
    virtual void DrawSurfaces(const zr2d::Surfaces& surfaces,
                              const std::optional<common::Color>& color,
                              const std::optional<common::Point2D>& size);
    // All quads of a text, one bind and one draw per run; coloured and faded as DrawSurfaces.
    virtual void DrawGlyphBatch(const GlyphBatch& batch, const std::optional<common::Color>& color);
    virtual void PushTransform(const std::optional<common::Point3D>& translation,
                               const std::optional<common::Point3D>& rotation,
                               const std::optional<common::Point3D>& scale);
    virtual void PushIdentity();
    // Ends a PushTransform by forwarding to PopMatrix, the one pop for both pushes; the two
    // names keep each push paired with its end where nodes and cameras call them.
    virtual void PopTransform();
    virtual void PopMatrix();
    // Column-major, as OpenGL keeps it.
    virtual std::array<float, 16> GetModelViewMatrix() const;
    virtual void DrawRectangle(const common::Point2D& size, const common::Color& color);
    virtual common::Point2D ScreenSize() const;
    virtual common::Color ClearColor() const;
    virtual void SetClearColor(const common::Color& color);
    virtual zr2d::Materials& Materials();
    virtual const zr2d::MaskData& MaskData() const;
    virtual zr2d::Factory& Factory();
    virtual zr2d::FontManager& FontManager() { return resources_.FontManager(); }
    // With the usable largest texture edge (see the constructor).
    virtual const zr2d::VideoSettings& VideoSettings() const;
    virtual void BeginMaterial(const zr2d::Material& material);
    virtual void EndMaterial(const zr2d::Material& material);
    virtual void DrawTriangle(const std::vector<data::Vertex>& positions,
                              const std::vector<data::Vertex>& texCoords,
                              const std::vector<data::Vertex>& normals);
    virtual void DrawFaces(const std::vector<data::Vertex>& positions,
                           const std::vector<data::Face>& faces,
                           const std::vector<data::Vertex>& texCoords,
                           const std::vector<data::Vertex>& normals);
    virtual void AddVertex(float x, float y, float z);
    virtual void AddVertex(const common::Point3D& point);
    // The colour's alpha, scaled by the current alpha when one is pushed.
    virtual void SetColor(const common::Color& color);
    virtual void BeginShape(BasicShapeType type);
    virtual void EndShape();
    virtual const zr2d::VideoInfo& VideoInfo() const;

    zr2d::SurfaceManager& SurfaceManager();
    zr2d::GlyphAtlas& GlyphAtlas() { return resources_.GlyphAtlas(); }
    // OpenGL textures made and not yet deleted; proves that released pictures give theirs back.
    int32_t LiveTextureCount() const;
    const std::shared_ptr<TextureLedger>& Ledger() const;

  private:
    // Declared in the order they are built: the window first, the rest draw into it.
    zr2d::Window window_;
    zr2d::VideoInfo videoInfo_;
    AlphaStack alphas_;
    TransformStack transforms_;
    ImmediateDrawing drawing_;
    VideoResources resources_;
    common::Color clearColor_;
};

}  // namespace zr2d
