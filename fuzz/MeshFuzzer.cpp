// The OBJ reader's parsing layer. Factory::LoadMesh itself needs the engine, and with it a
// window and an OpenGL context, for its materials; this target reads the file the same way
// (common::File::ReadLines, the same line rules and parsers) and runs the index check, without
// materials. MTL files only register materials and load textures, so they are not fuzzed here.

#include <cstddef>
#include <cstdint>
#include <exception>
#include <string>
#include <vector>

#include "Common/FileSystem/File.h"
#include "FuzzInputFile.h"
#include "ZudeRezede2D/Video/Data/IndexedVertices.h"
#include "ZudeRezede2D/Video/Data/MeshIndexCheck.h"
#include "ZudeRezede2D/Video/Factory.h"

namespace {

bool StartsWith(const std::string& line, const char* prefix) {
    return line.rfind(prefix, 0) == 0;
}

void ReadMesh(const std::string& fileName) {
    std::vector<zr2d::data::Vertex> positions;
    std::vector<zr2d::data::Vertex> texCoords;
    std::vector<zr2d::data::Vertex> normals;
    std::vector<zr2d::data::Face> faces;
    std::vector<zr2d::data::FaceGroup> groups;
    std::string objectName;
    for (const std::string& line : common::File::ReadLines(fileName)) {
        if (line.size() <= 2) continue;
        if (StartsWith(line, "v ")) {
            positions.push_back(zr2d::Factory::ParseVertex(line.substr(2)));
        } else if (StartsWith(line, "vt")) {
            texCoords.push_back(zr2d::Factory::ParseVertex(line.substr(3)));
        } else if (StartsWith(line, "vn")) {
            normals.push_back(zr2d::Factory::ParseVertex(line.substr(3)));
        } else if (StartsWith(line, "f ")) {
            for (auto& face : zr2d::Factory::ParseFace(line.substr(2))) faces.push_back(face);
        } else if (StartsWith(line, "o ")) {
            // Faces before the first object line belong to the first named group.
            if (!objectName.empty()) {
                groups.push_back({std::move(faces), nullptr, objectName});
                faces.clear();
            }
            objectName = line.substr(2);
        }
    }
    groups.push_back({std::move(faces), nullptr, objectName});
    const zr2d::IndexedVertices mesh(std::move(positions), std::move(texCoords),
                                     std::move(normals), std::move(groups));
    zr2d::CheckMeshIndexes(mesh);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    try {
        ReadMesh(fuzzing::FuzzInputFile::Write(data, size));
    } catch (const std::exception&) {
        // Every failure of a load is reported to the caller as an exception.
    }
    return 0;
}
