// SPDX-License-Identifier: GPL-3.0-or-later
#include "VideoResources.h"

namespace zr2d {

VideoResources::VideoResources(Engine* engine)
    : maskData_(RgbaMaskData()),
      surfaceManager_(engine),
      materials_(engine),
      factory_(engine),
      glyphAtlas_(engine),
      ledger_(std::make_shared<TextureLedger>()) {}

void VideoResources::Dispose() {
    surfaceManager_.FreeAll();
    glyphAtlas_.Free();
    ledger_->ContextGone();
}

}  // namespace zr2d
