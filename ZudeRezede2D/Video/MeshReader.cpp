// SPDX-License-Identifier: GPL-3.0-or-later
// A subset of Wavefront OBJ (see docs/MESHES.md).
#include "MeshReader.h"

#include <charconv>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "Common/Exception.h"
#include "Common/FileSystem/File.h"
#include "Common/Helper.h"
#include "Data/IndexedVertices.h"
#include "Data/MeshIndexCheck.h"

namespace zr2d {
namespace {

std::vector<std::string> SplitAt(const std::string& text, char separator) {
    std::vector<std::string> pieces;
    size_t start = 0;
    for (size_t end = text.find(separator); end != std::string::npos;
         end = text.find(separator, start)) {
        pieces.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    pieces.push_back(text.substr(start));
    return pieces;
}

// The whole piece must be a number; blanks around it and a leading plus are allowed.
float ParseFloat(const std::string& piece) {
    std::string_view text(piece);
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    float value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        throw common::ArgumentException("'" + piece + "' ist keine Zahl");
    }
    return value;
}

bool StartsWith(const std::string& line, std::string_view prefix) {
    return line.compare(0, prefix.size(), prefix) == 0;
}

// Everything up to and including the last separator; both kinds occur in paths.
size_t NameStart(const std::string& path) {
    const size_t separator = path.find_last_of("/\\");
    return separator == std::string::npos ? 0 : separator + 1;
}

}  // namespace

data::Vertex MeshReader::ParseVertex(const std::string& text) {
    const std::vector<std::string> pieces = SplitAt(text, ' ');
    if (pieces.size() < 3) {
        throw std::out_of_range("drei Zahlen erwartet, gefunden " + std::to_string(pieces.size()) +
                                ": '" + text + "'");
    }
    return {ParseFloat(pieces[0]), ParseFloat(pieces[1]), ParseFloat(pieces[2])};
}

data::Index MeshReader::ParseIndex(const std::string& piece) {
    data::Index index;
    const std::vector<std::string> numbers = SplitAt(piece, '/');
    int32_t* const fields[] = {&index.vertex, &index.texture, &index.normal};
    for (size_t k = 0; k < numbers.size() && k < 3; ++k) {
        // Widened first: the lowest 32-bit number minus one must not overflow.
        *fields[k] =
            static_cast<int32_t>(static_cast<int64_t>(common::Helper::ToInt(numbers[k])) - 1);
    }
    return index;
}

std::vector<data::Face> MeshReader::ParseFace(const std::string& text) {
    try {
        std::vector<data::Face> faces;
        const std::vector<std::string> pieces = SplitAt(text, ' ');
        if (pieces.size() < 3) return faces;
        const data::Index centre = ParseIndex(pieces[0]);
        data::Index previous = ParseIndex(pieces[1]);
        for (size_t i = 2; i < pieces.size(); ++i) {
            const data::Index current = ParseIndex(pieces[i]);
            faces.push_back(data::Face{{centre, previous, current}, 3});
            previous = current;
        }
        return faces;
    } catch (const std::exception& error) {
        throw common::Exception("Fehler in text: \n" + text + "\n" + error.what());
    }
}

std::string MeshReader::FileName(const std::string& path) { return path.substr(NameStart(path)); }

std::string MeshReader::Folder(const std::string& path) { return path.substr(0, NameStart(path)); }

std::shared_ptr<IndexedVertices> MeshReader::Read(
    const std::string& fileName,
    const std::function<void(const std::string& mtlPath)>& loadMaterials,
    const std::function<std::shared_ptr<Material>(const std::string& key)>& findMaterial) {
    const std::string objFile = FileName(fileName);
    const std::string folder = Folder(fileName);
    std::vector<data::Vertex> positions;
    std::vector<data::Vertex> texCoords;
    std::vector<data::Vertex> normals;
    std::vector<data::Face> faces;
    std::vector<data::FaceGroup> groups;
    std::string objectName;
    std::string materialKey;
    const auto closeGroup = [&] {
        groups.push_back({std::move(faces), findMaterial(materialKey), objectName});
        faces.clear();
    };
    for (const std::string& line : common::File::ReadLines(fileName)) {
        if (line.size() <= 2) continue;
        if (StartsWith(line, "v ")) {
            positions.push_back(ParseVertex(line.substr(2)));
        } else if (StartsWith(line, "vt")) {
            data::Vertex texCoord = ParseVertex(line.substr(3));
            texCoord.y = 1 - texCoord.y;  // OBJ counts v from the bottom, images from the top
            texCoords.push_back(texCoord);
        } else if (StartsWith(line, "vn")) {
            normals.push_back(ParseVertex(line.substr(3)));
        } else if (StartsWith(line, "f ")) {
            for (data::Face& face : ParseFace(line.substr(2))) faces.push_back(std::move(face));
        } else if (StartsWith(line, "o ")) {
            if (!objectName.empty()) closeGroup();
            objectName = line.substr(2);
        } else if (StartsWith(line, "mtllib ")) {
            loadMaterials(folder + line.substr(7));
        } else if (StartsWith(line, "usemtl ")) {
            materialKey = objFile + "." + line.substr(7);
        }
    }
    closeGroup();
    auto mesh = std::make_shared<IndexedVertices>(std::move(positions), std::move(texCoords),
                                                  std::move(normals), std::move(groups));
    CheckMeshIndexes(*mesh);
    return mesh;
}

}  // namespace zr2d
