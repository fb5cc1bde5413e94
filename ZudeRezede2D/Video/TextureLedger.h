// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace zr2d {

// Shared by an engine and every texture it made: counts live OpenGL textures and knows
// whether the context that owns them is still there. Textures may outlive the engine.
class TextureLedger {
  public:
    void Created() { ++live_; }
    void Deleted() { --live_; }
    int32_t Live() const { return live_; }

    // After shutdown the context takes its textures with it; releasing one only counts.
    void ContextGone() { contextAlive_ = false; }
    bool ContextAlive() const { return contextAlive_; }

  private:
    int32_t live_ = 0;
    bool contextAlive_ = true;
};

}  // namespace zr2d
