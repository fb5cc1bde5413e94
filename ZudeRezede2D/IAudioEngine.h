// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "ZudeRezede2D/Audio/SampleBuffer.h"

namespace zr2d {

// The engine's sound back end; the engine calls Update once per frame and Dispose once at
// shutdown. Scenes reach it through GameEngine::AudioEngine. Without a sound device every
// operation does nothing.
class IAudioEngine {
  public:
    virtual ~IAudioEngine() = default;

    virtual void Dispose() = 0;
    virtual void Update() = 0;
    // A sound loaded under the name, started at once; an unknown name plays nothing.
    virtual void PlaySound(const std::string& name) = 0;
    // The same sound, started once the samples playing or waiting have ended.
    virtual void QueueSound(const std::string& name) = 0;
    // Played once the sounds started before it have ended, so that speech is not covered.
    virtual void PlaySamples(const SampleBuffer& samples) = 0;
    // The text spoken, synthesised without holding up a frame and then played like samples.
    // What was being said, or waited to be, stops: only the newest text is heard.
    virtual void Say(const std::string& text) = 0;
    // While muted nothing plays, and what was playing or waiting is dropped.
    virtual void SetMuted(bool muted) = 0;
    virtual bool Muted() const = 0;
};

}  // namespace zr2d
