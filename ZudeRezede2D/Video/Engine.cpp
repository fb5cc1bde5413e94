// SPDX-License-Identifier: GPL-3.0-or-later
#include "Engine.h"

#include "Common/MyLog.h"

namespace zr2d {

Engine::Engine(const zr2d::VideoSettings& settings, const std::string& title)
    : window_(settings, title),
      transforms_(window_.Size(), videoInfo_),
      drawing_(alphas_, videoInfo_),
      resources_(this),
      clearColor_(0, 0, 0, 0) {}

void Engine::Dispose() {
    common::MyLog::Info("Dispose VideoEngine");
    resources_.Dispose();
}

void Engine::ShowCursor(bool visible) { window_.ShowCursor(visible); }

void Engine::Set2DView(const common::Point3D& eye, const common::Point3D& center,
                       const common::Point3D& up) {
    transforms_.Set2DView(eye, center, up);
}

void Engine::Set3DView(const common::Point3D& eye, const common::Point3D& center,
                       const common::Point3D& up) {
    transforms_.Set3DView(eye, center, up);
}

float Engine::ViewDepth() const { return transforms_.ViewDepth(); }

void Engine::InitFrame() {
    alphas_.Clear();
    videoInfo_.Reset();
    drawing_.ClearFrame(clearColor_);
}

void Engine::EndFrame() { window_.SwapBuffers(); }

void Engine::ToggleFullscreen() { window_.ToggleFullscreen(); }

void Engine::PushAlpha(int32_t alpha) { alphas_.Push(alpha); }

int32_t Engine::PopAlpha() { return alphas_.Pop(); }

void Engine::DrawTexture(const zr2d::Texture& texture, const std::optional<common::Color>& color,
                         const std::optional<common::Point2D>& size) {
    const common::WInteger alpha = texture.Alpha();
    if (alpha) PushAlpha(*alpha);
    DrawSurfaces(*texture.Surfaces(), color, size);
    if (alpha) PopAlpha();
}

void Engine::DrawSurfaces(const zr2d::Surfaces& surfaces, const std::optional<common::Color>& color,
                          const std::optional<common::Point2D>& size) {
    drawing_.DrawSurfaces(surfaces, color, size);
}

void Engine::DrawGlyphBatch(const GlyphBatch& batch, const std::optional<common::Color>& color) {
    drawing_.DrawGlyphBatch(batch, color);
}

void Engine::PushTransform(const std::optional<common::Point3D>& translation,
                           const std::optional<common::Point3D>& rotation,
                           const std::optional<common::Point3D>& scale) {
    transforms_.Push(translation, rotation, scale);
}

void Engine::PushIdentity() { transforms_.PushIdentity(); }

void Engine::PopTransform() { PopMatrix(); }

void Engine::PopMatrix() { transforms_.Pop(); }

std::array<float, 16> Engine::GetModelViewMatrix() const { return transforms_.ModelViewMatrix(); }

void Engine::DrawRectangle(const common::Point2D& size, const common::Color& color) {
    drawing_.DrawRectangle(size, color);
}

common::Point2D Engine::ScreenSize() const { return window_.Size(); }

common::Color Engine::ClearColor() const { return clearColor_; }

void Engine::SetClearColor(const common::Color& color) { clearColor_ = color; }

Materials& Engine::Materials() { return resources_.Materials(); }

const MaskData& Engine::MaskData() const { return resources_.MaskData(); }

Factory& Engine::Factory() { return resources_.Factory(); }

const VideoSettings& Engine::VideoSettings() const { return window_.Settings(); }

void Engine::BeginMaterial(const zr2d::Material& material) { drawing_.BeginMaterial(material); }

void Engine::EndMaterial(const zr2d::Material& material) { drawing_.EndMaterial(material); }

void Engine::DrawTriangle(const std::vector<data::Vertex>& positions,
                          const std::vector<data::Vertex>& texCoords,
                          const std::vector<data::Vertex>& normals) {
    drawing_.DrawTriangle(positions, texCoords, normals);
}

void Engine::DrawFaces(const std::vector<data::Vertex>& positions,
                       const std::vector<data::Face>& faces,
                       const std::vector<data::Vertex>& texCoords,
                       const std::vector<data::Vertex>& normals) {
    drawing_.DrawFaces(positions, faces, texCoords, normals);
}

void Engine::AddVertex(float x, float y, float z) { drawing_.AddVertex(x, y, z); }

void Engine::AddVertex(const common::Point3D& point) { AddVertex(point.X(), point.Y(), point.Z()); }

void Engine::SetColor(const common::Color& color) { drawing_.SetColor(color); }

void Engine::BeginShape(BasicShapeType type) { drawing_.BeginShape(type); }

void Engine::EndShape() { drawing_.EndShape(); }

const VideoInfo& Engine::VideoInfo() const { return videoInfo_; }

SurfaceManager& Engine::SurfaceManager() { return resources_.SurfaceManager(); }

int32_t Engine::LiveTextureCount() const { return resources_.Ledger()->Live(); }

const std::shared_ptr<TextureLedger>& Engine::Ledger() const { return resources_.Ledger(); }

}  // namespace zr2d
