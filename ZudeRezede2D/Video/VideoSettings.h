#pragma once

#include <cstdint>

#include "Common/Point2D.h"

namespace zr2d {

// The start-up choices for the window; fixed once built.
class VideoSettings {
  public:
    VideoSettings(common::Point2D resolution, int32_t bitsPerPixel, bool fullscreen,
                  int32_t maxTextureSize)
        : resolution_(resolution),
          bitsPerPixel_(bitsPerPixel),
          fullscreen_(fullscreen),
          maxTextureSize_(maxTextureSize) {}
    virtual ~VideoSettings() = default;

    virtual int32_t BitsPerPixel() const { return bitsPerPixel_; }
    virtual bool Fullscreen() const { return fullscreen_; }
    virtual common::Point2D Resolution() const { return resolution_; }
    virtual int32_t MaxTextureSize() const { return maxTextureSize_; }

  private:
    common::Point2D resolution_;
    int32_t bitsPerPixel_;
    bool fullscreen_;
    int32_t maxTextureSize_;
};

}  // namespace zr2d
