// SPDX-License-Identifier: GPL-3.0-or-later
// The OBJ reader, MeshReader::Read, as Factory::LoadMesh uses it but without the engine. MTL
// files are not read: they only register materials and load their textures, which takes the
// engine, and with it a window and an OpenGL context.

#include <cstddef>
#include <cstdint>
#include <exception>
#include <memory>
#include <string>

#include "FuzzInputFile.h"
#include "ZudeRezede2D/Video/MeshReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    try {
        zr2d::MeshReader::Read(
            fuzzing::FuzzInputFile::Write(data, size), [](const std::string&) {},
            [](const std::string&) { return std::shared_ptr<zr2d::Material>(); });
    } catch (const std::exception&) {
        // Every failure of a load reaches the caller as an exception.
    }
    return 0;
}
