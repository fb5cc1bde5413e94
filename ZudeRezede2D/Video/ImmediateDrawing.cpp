// SPDX-License-Identifier: GPL-3.0-or-later
#include "ImmediateDrawing.h"

#include <GL/gl.h>

#include "Common/Exception.h"

namespace zr2d {
namespace {

GLenum GlMode(BasicShapeType type) {
    switch (type) {
        case BasicShapeType::Points:
            return GL_POINTS;
        case BasicShapeType::Lines:
            return GL_LINES;
        case BasicShapeType::LineStrip:
            return GL_LINE_STRIP;
        case BasicShapeType::LineLoop:
            return GL_LINE_LOOP;
        case BasicShapeType::Triangles:
            return GL_TRIANGLES;
        case BasicShapeType::TriangleStrip:
            return GL_TRIANGLE_STRIP;
        case BasicShapeType::TriangleFan:
            return GL_TRIANGLE_FAN;
        case BasicShapeType::Quads:
            return GL_QUADS;
        case BasicShapeType::QuadStrip:
            return GL_QUAD_STRIP;
        case BasicShapeType::Polygon:
            return GL_POLYGON;
    }
    throw common::Exception("BasicShapeType " + std::to_string(static_cast<int32_t>(type)) +
                            " unbekannt");
}

// OpenGL takes the low byte of an alpha.
GLubyte Byte(int32_t value) { return static_cast<GLubyte>(value & 0xFF); }

void Emit(const data::Vertex& normal, const data::Vertex& texCoord, const data::Vertex& position) {
    glNormal3f(normal.x, normal.y, normal.z);
    glTexCoord2f(texCoord.x, texCoord.y);
    glVertex3f(position.x, position.y, position.z);
}

}  // namespace

ImmediateDrawing::ImmediateDrawing(const AlphaStack& alphas, zr2d::VideoInfo& videoInfo)
    : alphas_(alphas), videoInfo_(videoInfo) {}

void ImmediateDrawing::ClearFrame(const common::Color& color) {
    glClearColor(color.RedF(), color.GreenF(), color.BlueF(), color.AlphaF());
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

void ImmediateDrawing::DrawSurfaces(const zr2d::Surfaces& surfaces,
                                    const std::optional<common::Color>& color,
                                    const std::optional<common::Point2D>& size) {
    videoInfo_.AddDrawCall(static_cast<int32_t>(surfaces.Parts().size()));
    BeginTexturedQuads(color);
    for (const Surface& part : surfaces.Parts()) {
        glBindTexture(GL_TEXTURE_2D, part.GlTextureId());
        const float x = part.Position().X();
        const float y = part.Position().Y();
        const common::Point2D quad = size.value_or(part.Size());
        const float w = quad.X();
        const float h = quad.Y();
        // Wider than the part repeats it sideways; taller only stretches it.
        const float s = w / part.Size().X();
        glBegin(GL_QUADS);
        glTexCoord2f(0, 0);
        glVertex3f(x, y, 0);
        glTexCoord2f(0, 1);
        glVertex3f(x, y + h, 0);
        glTexCoord2f(s, 1);
        glVertex3f(x + w, y + h, 0);
        glTexCoord2f(s, 0);
        glVertex3f(x + w, y, 0);
        glEnd();
    }
    EndTexturedQuads();
}

void ImmediateDrawing::DrawGlyphBatch(const GlyphBatch& batch,
                                      const std::optional<common::Color>& color) {
    if (batch.Runs().empty()) return;
    BeginTexturedQuads(color);
    const std::vector<GlyphBatch::Corner>& corners = batch.Corners();
    for (const GlyphBatch::Run& run : batch.Runs()) {
        videoInfo_.AddDrawCall(run.count / 4);
        glBindTexture(GL_TEXTURE_2D, run.texture->Name());
        // One block of quads per texture. Not from client arrays: Mesa's no-op driver (used by
        // the profiles) writes past them when it turns quads into triangles.
        glBegin(GL_QUADS);
        for (int32_t n = run.first; n < run.first + run.count; ++n) {
            const GlyphBatch::Corner& corner = corners[static_cast<size_t>(n)];
            glTexCoord2f(corner.s, corner.t);
            glVertex2f(corner.x, corner.y);
        }
        glEnd();
    }
    EndTexturedQuads();
}

void ImmediateDrawing::BeginTexturedQuads(const std::optional<common::Color>& color) {
    glColor4f(1, 1, 1, 1);
    glEnable(GL_TEXTURE_2D);
    const GLubyte alpha = Byte(alphas_.Current());
    if (color) {
        glColor4ub(Byte(color->R()), Byte(color->G()), Byte(color->B()), alpha);
    } else {
        glColor4ub(255, 255, 255, alpha);
    }
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_BLEND);
}

void ImmediateDrawing::EndTexturedQuads() {
    glDisable(GL_BLEND);
    glDisable(GL_TEXTURE_2D);
}

void ImmediateDrawing::DrawRectangle(const common::Point2D& size, const common::Color& color) {
    // The quad is wound clockwise on screen under the standard cameras; a filled rectangle
    // exists to be seen, so it is drawn with culling off and the culling state restored.
    const GLboolean culling = glIsEnabled(GL_CULL_FACE);
    if (culling) glDisable(GL_CULL_FACE);
    glColor4ub(Byte(color.R()), Byte(color.G()), Byte(color.B()), 255);
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0);
    glVertex3f(0, 0, 0);
    glTexCoord2f(1, 0);
    glVertex3f(size.X(), 0, 0);
    glTexCoord2f(1, 1);
    glVertex3f(size.X(), size.Y(), 0);
    glTexCoord2f(0, 1);
    glVertex3f(0, size.Y(), 0);
    glEnd();
    if (culling) glEnable(GL_CULL_FACE);
}

void ImmediateDrawing::BeginMaterial(const zr2d::Material& material) {
    const auto& texture = material.Texture();
    if (!texture) return;
    glEnable(GL_TEXTURE_2D);
    glColor4ub(255, 255, 255, Byte(alphas_.Current()));
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_BLEND);
    // A split texture shows only its first part on a mesh.
    glBindTexture(GL_TEXTURE_2D, texture->Surfaces()->Parts().at(0).GlTextureId());
}

void ImmediateDrawing::EndMaterial(const zr2d::Material& material) {
    if (!material.Texture()) return;
    glDisable(GL_BLEND);
    glDisable(GL_TEXTURE_2D);
}

void ImmediateDrawing::DrawTriangle(const std::vector<data::Vertex>& positions,
                                    const std::vector<data::Vertex>& texCoords,
                                    const std::vector<data::Vertex>& normals) {
    // Checked before glBegin so that an index error leaves no primitive open.
    for (const auto* list : {&positions, &texCoords, &normals}) (void)list->at(2);
    glBegin(GL_TRIANGLES);
    for (size_t i = 0; i < 3; ++i) Emit(normals[i], texCoords[i], positions[i]);
    glEnd();
}

void ImmediateDrawing::DrawFaces(const std::vector<data::Vertex>& positions,
                                 const std::vector<data::Face>& faces,
                                 const std::vector<data::Vertex>& texCoords,
                                 const std::vector<data::Vertex>& normals) {
    for (const data::Face& face : faces) {
        for (const data::Index& index : face.indices) {
            (void)normals.at(static_cast<size_t>(index.normal));
            (void)texCoords.at(static_cast<size_t>(index.texture));
            (void)positions.at(static_cast<size_t>(index.vertex));
        }
        glBegin(GL_TRIANGLES);
        for (const data::Index& index : face.indices) {
            Emit(normals[static_cast<size_t>(index.normal)],
                 texCoords[static_cast<size_t>(index.texture)],
                 positions[static_cast<size_t>(index.vertex)]);
            videoInfo_.AddVertex();
        }
        glEnd();
    }
}

void ImmediateDrawing::AddVertex(float x, float y, float z) {
    videoInfo_.AddVertex();
    glVertex3f(x, y, z);
}

void ImmediateDrawing::SetColor(const common::Color& color) {
    int32_t alpha = color.A();
    if (!alphas_.Empty()) {
        alpha = static_cast<int32_t>(static_cast<double>(alpha) * (alphas_.Current() / 255.0));
    }
    glColor4ub(Byte(color.R()), Byte(color.G()), Byte(color.B()), Byte(alpha));
}

void ImmediateDrawing::BeginShape(BasicShapeType type) {
    videoInfo_.AddShape();
    glEnable(GL_BLEND);
    glBegin(GlMode(type));
}

void ImmediateDrawing::EndShape() {
    glEnd();
    glDisable(GL_BLEND);
}

}  // namespace zr2d
