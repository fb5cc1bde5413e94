// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "Data/Common/Face.h"
#include "Data/Common/Index.h"
#include "Data/Common/Vertex.h"

namespace zr2d {

class IndexedVertices;
class Material;

// Reads Wavefront OBJ meshes (a subset of the format) without the engine, so that the reader
// can be tested and fuzzed on its own; materials are looked up through the caller.
class MeshReader {
  public:
    MeshReader() = delete;

    // mtllib lines hand the MTL file's path to loadMaterials, and each group takes
    // findMaterial("<objFile>.<usemtl name>") when it is closed. Failures are thrown as they
    // occur.
    static std::shared_ptr<IndexedVertices> Read(
        const std::string& fileName,
        const std::function<void(const std::string& mtlPath)>& loadMaterials,
        const std::function<std::shared_ptr<Material>(const std::string& key)>& findMaterial);
    // Three numbers separated by single spaces; further pieces are ignored.
    static data::Vertex ParseVertex(const std::string& text);
    // The corners of one face line as a triangle fan.
    static std::vector<data::Face> ParseFace(const std::string& text);
    // "v", "v/t" or "v/t/n" with OBJ's one-based numbers, stored zero-based.
    static data::Index ParseIndex(const std::string& piece);
    // The file name without its folder; both kinds of separator occur in paths.
    static std::string FileName(const std::string& path);
    // The folder part of the path, its last separator included; empty without one.
    static std::string Folder(const std::string& path);
};

}  // namespace zr2d
