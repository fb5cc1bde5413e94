// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "SampleBuffer.h"

namespace zr2d {

// Speaks texts with espeak-ng on a worker thread of its own, so that no frame waits for the
// synthesis; the finished samples wait in one queue that the main thread takes (TakeFinished).
// espeak-ng keeps global state, so a process has one synthesiser at a time.
class SpeechSynthesizer {
  public:
    // Loads the voice, an espeak-ng voice name ("de"), from dataFolder, which holds
    // espeak-ng-data, or from the library's own place when it is empty. A voice that cannot be
    // loaded, or a second synthesiser, gives one warning, and every text is dropped.
    SpeechSynthesizer(const std::string& voice, const std::string& dataFolder);
    // Drops the texts not yet begun and waits for the one being spoken.
    ~SpeechSynthesizer();
    SpeechSynthesizer(const SpeechSynthesizer&) = delete;
    SpeechSynthesizer& operator=(const SpeechSynthesizer&) = delete;

    struct Spoken {
        uint64_t text;
        SampleBuffer samples;
    };

    // UTF-8 text, queued for the worker; returns its number, counting from 1.
    uint64_t Say(std::string text);
    // Main thread: the texts spoken since the last call, in the order they were said.
    std::vector<Spoken> TakeFinished();
    // Until every text said so far is spoken or dropped.
    void WaitUntilIdle();

  private:
    void Work();
    // False after the one warning.
    bool LoadVoice(const std::string& voice, const std::string& dataFolder);
    SampleBuffer Synthesize(const std::string& text) const;

    bool loaded_ = false;
    int32_t rate_ = 0;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<std::pair<uint64_t, std::string>> texts_;
    std::vector<Spoken> finished_;
    uint64_t said_ = 0;
    bool speaking_ = false;
    bool stopping_ = false;
    // Only with a loaded voice.
    std::thread worker_;
};

}  // namespace zr2d
