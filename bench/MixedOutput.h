// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <SDL_mixer.h>

#include <chrono>
#include <cstdint>
#include <mutex>
#include <optional>

namespace bench {

// Watches the mixer's output as it is made: SDL_mixer hands every mixed buffer to its post-mix
// function on SDL's audio thread, which notes here when sound first appears and how many
// buffers there were; the main thread reads that under the lock. One at a time, while the
// mixer is open (MixerAudio of the game); throws if it is not open at 16-bit stereo.
class MixedOutput {
  public:
    using Clock = std::chrono::steady_clock;

    MixedOutput();
    ~MixedOutput();
    MixedOutput(const MixedOutput&) = delete;
    MixedOutput& operator=(const MixedOutput&) = delete;

    // From now on, the silent buffers are counted until the first sound, whose moment is kept.
    void Listen();
    // Whole buffers without sound since Listen, while none had any.
    int64_t SilentBuffers() const;
    // The moment of the first nonzero sample since Listen: the post-mix call's time plus the
    // sample's place in its buffer.
    std::optional<Clock::time_point> FirstSound() const;
    // The share of all buffers mixed so far that held sound.
    double SoundingShare() const;
    // Frames of the last buffer mixed.
    int64_t BufferFrames() const;

  private:
    static void Mixed(void* self, uint8_t* stream, int length);
    void Observe(Clock::time_point now, const int16_t* samples, int64_t count);

    int32_t rate_ = 0;
    mutable std::mutex mutex_;
    int64_t buffers_ = 0;
    int64_t sounding_ = 0;
    int64_t bufferFrames_ = 0;
    bool listening_ = false;
    int64_t silentSinceListen_ = 0;
    std::optional<Clock::time_point> firstSound_;
};

}  // namespace bench
