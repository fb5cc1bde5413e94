// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <SDL_mixer.h>

#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "Common/UniqueResource.h"
#include "SpeechSynthesizer.h"
#include "ZudeRezede2D/IAudioEngine.h"

namespace zr2d {

// The sound back end over SDL_mixer: named sounds on the mixer's channels, speech and other
// samples on a channel of their own. Without a sound device it gives one warning and stays
// silent; so does a sound file that cannot be read, for that sound.
class MixerAudio : public IAudioEngine {
  public:
    struct Settings {
        // Sound names and their WAV files.
        std::map<std::string, std::string> sounds;
        // An espeak-ng voice name such as "de"; empty for no speech.
        std::string voice;
        // The folder that holds espeak-ng-data; empty for the library's own.
        std::string voiceData;
    };
    // The mixer's output: the rate of the game's sounds; speech comes at half of it.
    static constexpr int32_t kRate = 44100;
    static constexpr int32_t kOutputChannels = 2;
    static constexpr int32_t kBufferFrames = 1024;

    explicit MixerAudio(const Settings& settings);
    ~MixerAudio() override;
    MixerAudio(const MixerAudio&) = delete;
    MixerAudio& operator=(const MixerAudio&) = delete;

    void Dispose() override;
    // Plays what the speech worker has finished, and the waiting samples once nothing else plays.
    void Update() override;
    void PlaySound(const std::string& name) override;
    void QueueSound(const std::string& name) override;
    void PlaySamples(const SampleBuffer& samples) override;
    void Say(const std::string& text) override;
    void SetMuted(bool muted) override;
    bool Muted() const override { return muted_; }

    // Whether a sound device is open.
    bool IsOpen() const { return open_; }

  private:
    using Chunk = common::UniqueResource<Mix_Chunk*, &Mix_FreeChunk>;
    // Samples in the mixer's format, and the chunk that plays them without a copy.
    struct Samples {
        std::vector<uint8_t> bytes;
        Chunk chunk;
    };
    // Samples waiting their turn, or a sound that waits for them (sound set).
    struct Queued {
        Samples samples;
        Mix_Chunk* sound = nullptr;
    };
    // The channel for samples; the named sounds take the others.
    static constexpr int32_t kSamplesChannel = 0;

    bool Open();
    void LoadSounds(const std::map<std::string, std::string>& sounds);
    std::vector<uint8_t> ToMixerFormat(const SampleBuffer& samples) const;
    bool SoundsPlaying() const;
    Mix_Chunk* Sound(const std::string& name) const;
    void StopSamples();

    bool open_ = false;
    bool muted_ = false;
    bool disposed_ = false;
    int32_t rate_ = 0;
    uint16_t format_ = 0;
    int32_t channels_ = 0;
    std::map<std::string, Chunk> sounds_;
    std::deque<Queued> queue_;
    Samples playingSamples_;
    std::unique_ptr<SpeechSynthesizer> speech_;
    // The text whose speech is to be heard; older ones are dropped when they come.
    uint64_t newestText_ = 0;
};

}  // namespace zr2d
