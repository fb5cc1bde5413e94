// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "Control.h"

namespace zr2d {

// Shows nothing and only takes up an area, so that its information text appears while the
// pointer is over it.
class Space : public Control {
  public:
    Space(zr2d::Frame& frame, const common::Rect& rect, const std::string& id,
          const std::string& infoText);
};

}  // namespace zr2d
