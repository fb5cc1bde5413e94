// SPDX-License-Identifier: GPL-3.0-or-later
#include "MeshLoader.h"

#include "Common/Exception.h"
#include "Common/FileSystem/File.h"
#include "Engine.h"
#include "Factory.h"
#include "MeshReader.h"

namespace zr2d {

void MeshLoader::LoadMaterials(const std::string& objFile, const std::string& mtlPath) {
    try {
        const std::string folder = MeshReader::Folder(mtlPath);
        std::shared_ptr<Material> current;
        for (const std::string& line : common::File::ReadLines(mtlPath)) {
            if (line.size() <= 2) continue;
            if (line.starts_with("newmtl ")) {
                current = engine_->Materials().Create(objFile + "." + line.substr(7));
            } else if (line.starts_with("map_Kd ")) {
                if (!current) throw common::Exception("map_Kd ohne vorheriges newmtl");
                current->SetTexture(
                    factory_.CreateTextureFromFile(folder + line.substr(7), true, 0));
            }
        }
    } catch (const std::exception& error) {
        throw common::Exception("Fehler in Materialdatei: " + mtlPath + "\n" + error.what());
    }
}

std::shared_ptr<IndexedVertices> MeshLoader::Load(const std::string& fileName) {
    try {
        const std::string objFile = MeshReader::FileName(fileName);
        return MeshReader::Read(
            fileName, [&](const std::string& mtlPath) { LoadMaterials(objFile, mtlPath); },
            [&](const std::string& key) { return engine_->Materials().Get(key); });
    } catch (const std::exception& error) {
        throw common::Exception("Fehler beim erstellen von " + fileName + "\n" + error.what());
    }
}

}  // namespace zr2d
