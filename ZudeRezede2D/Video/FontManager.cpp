// SPDX-License-Identifier: GPL-3.0-or-later
#include "FontManager.h"

#include "Common/Exception.h"

namespace zr2d {

std::string FontManager::CreateFont(const std::string& ttfFile, uint32_t size,
                                    const common::Color& color) {
    const std::string id = ttfFile + ";" + std::to_string(size) + ";" + color.ToText();
    if (fonts_.contains(id)) {
        throw common::Exception("Font " + id +
                                " kann nicht erstellt werden - ist bereits vorhanden");
    }
    fonts_.emplace(id, std::make_shared<Font>(id, ttfFile, size, color));
    return id;
}

std::shared_ptr<Font> FontManager::GetFont(const std::string& id) const {
    const auto found = fonts_.find(id);
    if (found == fonts_.end()) throw common::Exception("Font " + id + " ist nicht vorhanden.");
    return found->second;
}

}  // namespace zr2d
