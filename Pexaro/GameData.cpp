// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameData.h"

namespace pexaro {

GameData::GameData() {
    const common::Color white(255, 255, 255, 255);
    smallFont_ = fontManager_.GetFont(fontManager_.CreateFont(kFontFile, 15, white));
    largeFont_ = fontManager_.GetFont(fontManager_.CreateFont(kFontFile, 19, white));
}

}  // namespace pexaro
