// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace bench {

// How often the engine opened a font file and uploaded a texture. The bench executable is
// linked with --wrap for TTF_OpenFont and glTexImage2D, so the engine's own calls are counted
// without any hook in the engine.
struct CallCounts {
    int64_t fontOpenings = 0;
    int64_t textureUploads = 0;
};

CallCounts Counts();

}  // namespace bench
