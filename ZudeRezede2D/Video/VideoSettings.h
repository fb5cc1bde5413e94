// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <utility>

#include "Common/Point2D.h"

namespace zr2d {

// The start-up choices for the window; fixed once built.
class VideoSettings {
  public:
    // windowScale enlarges the window where the SDL library can scale it (1 = as it is);
    // iconFile, when given, is the window's icon.
    VideoSettings(common::Point2D resolution, int32_t bitsPerPixel, bool fullscreen,
                  int32_t maxTextureSize, float windowScale = 1, std::string iconFile = {})
        : resolution_(resolution),
          bitsPerPixel_(bitsPerPixel),
          fullscreen_(fullscreen),
          maxTextureSize_(maxTextureSize),
          windowScale_(windowScale),
          iconFile_(std::move(iconFile)) {}
    virtual ~VideoSettings() = default;

    virtual int32_t BitsPerPixel() const { return bitsPerPixel_; }
    virtual bool Fullscreen() const { return fullscreen_; }
    virtual common::Point2D Resolution() const { return resolution_; }
    virtual int32_t MaxTextureSize() const { return maxTextureSize_; }
    float WindowScale() const { return windowScale_; }
    const std::string& IconFile() const { return iconFile_; }

  private:
    common::Point2D resolution_;
    int32_t bitsPerPixel_;
    bool fullscreen_;
    int32_t maxTextureSize_;
    float windowScale_;
    std::string iconFile_;
};

}  // namespace zr2d
