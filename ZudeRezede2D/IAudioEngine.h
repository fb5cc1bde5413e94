// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace zr2d {

// The hook for a sound back end; the engine calls Update once per frame and Dispose once at
// shutdown. The game uses none.
class IAudioEngine {
  public:
    virtual ~IAudioEngine() = default;

    virtual void Dispose() = 0;
    virtual void Update() = 0;
};

}  // namespace zr2d
