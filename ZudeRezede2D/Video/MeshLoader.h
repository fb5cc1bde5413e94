// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>

namespace zr2d {

class Engine;
class Factory;
class IndexedVertices;

// Meshes with the engine's materials; the reading itself is MeshReader's.
class MeshLoader {
  public:
    // Material textures are loaded through factory, cached.
    MeshLoader(Engine* engine, Factory& factory) : engine_(engine), factory_(factory) {}

    // See Factory::LoadMesh.
    std::shared_ptr<IndexedVertices> Load(const std::string& fileName);

  private:
    // Registers the file's materials as "<objFile>.<name>"; textures go through the cache.
    void LoadMaterials(const std::string& objFile, const std::string& mtlPath);

    Engine* engine_;
    Factory& factory_;
};

}  // namespace zr2d
