// SPDX-License-Identifier: GPL-3.0-or-later
#include <exception>
#include <memory>

#include "Common/MyLog.h"
#include "Factory.h"
#include "PictureLoader.h"

namespace zr2d {

std::shared_ptr<Texture> Factory::CreateFittedTextureFromFile(const std::string& fileName,
                                                              const common::Point2D& bounds) {
    try {
        return CreatePictureTexture(PictureLoader::LoadFitted(fileName, bounds), fileName);
    } catch (const std::exception& error) {
        common::MyLog::Warning(error);
        return nullptr;
    }
}

std::shared_ptr<Texture> Factory::CreatePictureTexture(const Picture& picture,
                                                       const std::string& id) {
    return std::make_shared<Texture>(ConvertToSurfaces(picture.Pixels(), id));
}

}  // namespace zr2d
