// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace zr2d {

// What was drawn since the last InitFrame.
class VideoInfo {
  public:
    virtual ~VideoInfo() = default;

    virtual int32_t SurfacesDrawn() const { return surfacesDrawn_; }
    virtual int32_t DrawCalls() const { return drawCalls_; }
    virtual int32_t Transforms() const { return transforms_; }
    virtual int32_t Vertices() const { return vertices_; }
    virtual int32_t Shapes() const { return shapes_; }

    // Counting is the engine's business only.
    void AddDrawCall(int32_t surfaces) {
        ++drawCalls_;
        surfacesDrawn_ += surfaces;
    }
    void AddTransform() { ++transforms_; }
    void AddVertex() { ++vertices_; }
    void AddShape() { ++shapes_; }
    void Reset() { *this = VideoInfo(); }

  private:
    int32_t surfacesDrawn_ = 0;
    int32_t drawCalls_ = 0;
    int32_t transforms_ = 0;
    int32_t vertices_ = 0;
    int32_t shapes_ = 0;
};

}  // namespace zr2d
