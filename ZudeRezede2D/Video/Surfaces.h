// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "Common/Point2D.h"
#include "Surface.h"

namespace zr2d {

// One image as its texture parts, column by column, each column top to bottom.
class Surfaces {
  public:
    // id: the image's identity; for loaded images the file name, which is also the cache key.
    Surfaces(std::string id, std::vector<Surface> parts, common::Point2D size);
    virtual ~Surfaces() = default;

    virtual const std::vector<Surface>& Parts() const { return parts_; }
    // The real image size, not the padded size of the parts.
    virtual common::Point2D Size() const { return size_; }
    virtual const std::string& Id() const { return id_; }

  private:
    std::string id_;
    std::vector<Surface> parts_;
    common::Point2D size_;
};

}  // namespace zr2d
