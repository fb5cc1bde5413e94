// SPDX-License-Identifier: GPL-3.0-or-later
#include "MixerAudio.h"

#include <SDL.h>

#include <algorithm>
#include <cstring>

#include "Common/MyLog.h"

namespace zr2d {

using common::MyLog;

MixerAudio::MixerAudio(const Settings& settings) {
    if (!Open()) return;
    LoadSounds(settings.sounds);
    if (!settings.voice.empty()) {
        speech_ = std::make_unique<SpeechSynthesizer>(settings.voice, settings.voiceData);
    }
}

MixerAudio::~MixerAudio() { Dispose(); }

bool MixerAudio::Open() {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) == -1) {
        MyLog::Warning(std::string("Kein Ton: kein Audiogerät (") + SDL_GetError() + ")");
        return false;
    }
    if (Mix_OpenAudio(kRate, AUDIO_S16SYS, kOutputChannels, kBufferFrames) == -1) {
        MyLog::Warning(std::string("Kein Ton: kein Audiogerät (") + Mix_GetError() + ")");
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    int frequency = 0;
    int channels = 0;
    Mix_QuerySpec(&frequency, &format_, &channels);
    rate_ = frequency;
    channels_ = channels;
    Mix_AllocateChannels(8);
    Mix_ReserveChannels(kSamplesChannel + 1);
    MyLog::Info("Ton: " + std::to_string(rate_) + " Hz, " + std::to_string(channels_) +
                " Kanäle");
    open_ = true;
    return true;
}

void MixerAudio::LoadSounds(const std::map<std::string, std::string>& sounds) {
    for (const auto& [name, file] : sounds) {
        // Opened here: the mixer would replace the reason a file cannot be opened with its own.
        SDL_RWops* source = SDL_RWFromFile(file.c_str(), "rb");
        Chunk chunk(source ? Mix_LoadWAV_RW(source, 1) : nullptr);
        if (!chunk) {
            MyLog::Warning("Ton nicht lesbar: " + file + " (" + Mix_GetError() + ")");
            continue;
        }
        sounds_[name] = std::move(chunk);
    }
}

void MixerAudio::Dispose() {
    if (disposed_) return;
    disposed_ = true;
    speech_.reset();
    if (!open_) return;
    Mix_HaltChannel(-1);
    queue_.clear();
    playingSamples_ = {};
    sounds_.clear();
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    open_ = false;
}

void MixerAudio::Update() {
    if (!open_) return;
    if (speech_) {
        for (const auto& spoken : speech_->TakeFinished()) {
            if (spoken.text == newestText_) PlaySamples(spoken.samples);
        }
    }
    if (playingSamples_.chunk && !Mix_Playing(kSamplesChannel)) playingSamples_ = {};
    while (!queue_.empty() && !playingSamples_.chunk) {
        Queued& next = queue_.front();
        if (next.sound) {
            Mix_PlayChannel(-1, next.sound, 0);
        } else {
            if (SoundsPlaying()) return;
            playingSamples_ = std::move(next.samples);
            Mix_PlayChannel(kSamplesChannel, playingSamples_.chunk.Get(), 0);
        }
        queue_.pop_front();
    }
}

bool MixerAudio::SoundsPlaying() const {
    return Mix_Playing(-1) > Mix_Playing(kSamplesChannel);
}

Mix_Chunk* MixerAudio::Sound(const std::string& name) const {
    const auto sound = sounds_.find(name);
    return open_ && !muted_ && sound != sounds_.end() ? sound->second.Get() : nullptr;
}

void MixerAudio::PlaySound(const std::string& name) {
    // Every channel busy: the sound is skipped rather than cutting another short.
    if (Mix_Chunk* sound = Sound(name)) Mix_PlayChannel(-1, sound, 0);
}

void MixerAudio::QueueSound(const std::string& name) {
    if (Mix_Chunk* sound = Sound(name)) queue_.push_back({{}, sound});
}

void MixerAudio::PlaySamples(const SampleBuffer& samples) {
    if (!open_ || muted_ || samples.samples.empty()) return;
    Samples converted{ToMixerFormat(samples), {}};
    if (converted.bytes.empty()) return;
    converted.chunk.Reset(
        Mix_QuickLoad_RAW(converted.bytes.data(), static_cast<uint32_t>(converted.bytes.size())));
    if (converted.chunk) queue_.push_back({std::move(converted), nullptr});
}

std::vector<uint8_t> MixerAudio::ToMixerFormat(const SampleBuffer& samples) const {
    const auto bytes = static_cast<int>(samples.samples.size() * sizeof(int16_t));
    SDL_AudioCVT conversion{};
    if (SDL_BuildAudioCVT(&conversion, AUDIO_S16SYS, 1, samples.rate, format_,
                          static_cast<uint8_t>(channels_), rate_) == -1) {
        MyLog::Warning(std::string("Ton nicht abspielbar: ") + SDL_GetError());
        return {};
    }
    std::vector<uint8_t> converted(static_cast<size_t>(bytes) *
                                   static_cast<size_t>(std::max(conversion.len_mult, 1)));
    std::memcpy(converted.data(), samples.samples.data(), static_cast<size_t>(bytes));
    conversion.buf = converted.data();
    conversion.len = bytes;
    if (conversion.needed && SDL_ConvertAudio(&conversion) == -1) {
        MyLog::Warning(std::string("Ton nicht abspielbar: ") + SDL_GetError());
        return {};
    }
    converted.resize(conversion.needed ? static_cast<size_t>(conversion.len_cvt)
                                       : static_cast<size_t>(bytes));
    return converted;
}

void MixerAudio::Say(const std::string& text) {
    if (!open_ || muted_ || !speech_) return;
    StopSamples();
    newestText_ = speech_->Say(text);
}

void MixerAudio::StopSamples() {
    Mix_HaltChannel(kSamplesChannel);
    playingSamples_ = {};
    std::erase_if(queue_, [](const Queued& queued) { return !queued.sound; });
}

void MixerAudio::SetMuted(bool muted) {
    muted_ = muted;
    if (!muted_ || !open_) return;
    Mix_HaltChannel(-1);
    queue_.clear();
    playingSamples_ = {};
}

}  // namespace zr2d
