// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "ZudeRezede2D/Audio/MixerAudio.h"
#include "ZudeRezede2D/IAudioEngine.h"

namespace pexaro {

// What the player hears: a sound for each answer, the picture's name spoken after it, a click
// for buttons and set choices, and a sound at the end of a game, each as the settings allow.
// Silent without an audio engine.
class GameSounds {
  public:
    GameSounds() = default;
    GameSounds(std::shared_ptr<zr2d::IAudioEngine> audio, bool sound, bool voice);

    // The audio engine's settings for these choices: the sound files beside the game, and
    // the German voice (from daten/espeak-ng-data when the game brings its own).
    static zr2d::MixerAudio::Settings AudioSettings(bool sound, bool voice);

    // The answer's sound by its score, then the spoken text.
    void Answer(int32_t score, const std::string& spoken);
    void GameEnd();
    void Click();
    // All sound off or on again, for this session.
    void ToggleMute();

  private:
    void Play(const std::string& name);

    std::shared_ptr<zr2d::IAudioEngine> audio_;
    bool sound_ = false;
    bool voice_ = false;
};

}  // namespace pexaro
