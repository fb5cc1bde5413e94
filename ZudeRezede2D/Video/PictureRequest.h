// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "Common/Point2D.h"

namespace zr2d {

// What a background job is to do: copy, decode, turn and fit this file to these bounds.
struct PictureRequest {
    std::string path;
    common::Point2D bounds;
    // When set, the file is read from a private copy "<copyPrefix>[n].<ext>" in the working
    // folder, so that a player's file that changes or vanishes meanwhile cannot upset the decoder;
    // the copy is removed whatever happens. Without a free place for it, the file is read where it
    // is.
    std::string copyPrefix;
    // When set, a camera preview that covers the photo fitted into this box stands in for it.
    std::optional<common::Point2D> previewBox;
};

}  // namespace zr2d
