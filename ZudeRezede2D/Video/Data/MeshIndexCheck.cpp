// SPDX-License-Identifier: GPL-3.0-or-later
#include "MeshIndexCheck.h"

#include <fmt/format.h>

#include <cstdint>
#include <string>

#include "Common/Exception.h"

namespace zr2d {
namespace {

bool Inside(int32_t number, size_t count) {
    return number >= 0 && static_cast<size_t>(number) < count;
}

// Numbers are reported as written in an OBJ file (one-based), so "f 1//3" names texture 0.
void CheckOne(int32_t number, size_t count, const char* kind, const char* list, size_t face,
              const data::FaceGroup& group) {
    if (Inside(number, count)) return;
    throw common::Exception(
        fmt::format("Fläche {} der Gruppe \"{}\": {} {} liegt außerhalb der Liste ({} {})",
                    face + 1, group.name, kind, static_cast<int64_t>(number) + 1, count, list));
}

}  // namespace

void CheckMeshIndexes(const IndexedVertices& mesh) {
    const size_t positions = mesh.Positions().size();
    const size_t texCoords = mesh.TexCoords().size();
    const size_t normals = mesh.Normals().size();
    for (const data::FaceGroup& group : mesh.Groups()) {
        for (size_t f = 0; f < group.faces.size(); ++f) {
            const data::Face& face = group.faces[f];
            if (face.indices.size() != 3) {
                throw common::Exception(fmt::format("Fläche {} der Gruppe \"{}\" hat {} Ecken",
                                                    f + 1, group.name, face.indices.size()));
            }
            for (const data::Index& corner : face.indices) {
                CheckOne(corner.vertex, positions, "Position", "Positionen", f, group);
                CheckOne(corner.texture, texCoords, "Texturkoordinate", "Texturkoordinaten", f,
                         group);
                CheckOne(corner.normal, normals, "Normale", "Normalen", f, group);
            }
        }
    }
}

}  // namespace zr2d
