// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>
#include <memory>
#include <string>

#include "Font.h"

namespace zr2d {

// Fonts by id: ttfFile + ";" + size + ";" + the colour's text form.
class FontManager {
  public:
    virtual ~FontManager() = default;

    // Registers the font and returns its id; an id registered before throws
    // "Font <id> kann nicht erstellt werden - ist bereits vorhanden".
    virtual std::string CreateFont(const std::string& ttfFile, uint32_t size,
                                   const common::Color& color);
    // An unknown id throws "Font <id> ist nicht vorhanden.".
    virtual std::shared_ptr<Font> GetFont(const std::string& id) const;

  private:
    std::map<std::string, std::shared_ptr<Font>> fonts_;
};

}  // namespace zr2d
