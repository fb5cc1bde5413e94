// SPDX-License-Identifier: GPL-3.0-or-later
#include "Space.h"

namespace zr2d {

Space::Space(zr2d::Frame& frame, const common::Rect& rect, const std::string& id,
             const std::string& infoText)
    : Control(id, frame, WidgetType::Space, rect, true, -1) {
    if (!infoText.empty()) SetInfoText(infoText);
}

}  // namespace zr2d
