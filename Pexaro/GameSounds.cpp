// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameSounds.h"

#include <filesystem>

#include "Common/MyLog.h"

namespace pexaro {

namespace {

constexpr const char* kRight = "richtig";
constexpr const char* kClose = "knapp";
constexpr const char* kWrong = "falsch";
constexpr const char* kEnd = "ende";
constexpr const char* kClick = "klick";

}  // namespace

GameSounds::GameSounds(std::shared_ptr<zr2d::IAudioEngine> audio, bool sound, bool voice)
    : audio_(std::move(audio)), sound_(sound), voice_(voice) {}

zr2d::MixerAudio::Settings GameSounds::AudioSettings(bool sound, bool voice) {
    zr2d::MixerAudio::Settings settings;
    if (sound) {
        for (const char* name : {kRight, kClose, kWrong, kEnd, kClick}) {
            settings.sounds[name] = std::string("daten/sounds/") + name + ".wav";
        }
    }
    if (voice) {
        settings.voice = "de";
        if (std::filesystem::is_directory("daten/espeak-ng-data")) settings.voiceData = "daten";
    }
    return settings;
}

void GameSounds::Answer(int32_t score, const std::string& spoken) {
    Play(score == 10 ? kRight : score > 0 ? kClose : kWrong);
    if (audio_ && voice_) audio_->Say(spoken);
}

void GameSounds::GameEnd() {
    // After the last answer's name, which may still be spoken.
    if (audio_ && sound_) audio_->QueueSound(kEnd);
}

void GameSounds::Click() { Play(kClick); }

void GameSounds::Play(const std::string& name) {
    if (audio_ && sound_) audio_->PlaySound(name);
}

void GameSounds::ToggleMute() {
    if (!audio_) return;
    audio_->SetMuted(!audio_->Muted());
    common::MyLog::Info(audio_->Muted() ? "Ton aus" : "Ton an");
}

}  // namespace pexaro
