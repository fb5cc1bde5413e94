// SPDX-License-Identifier: GPL-3.0-or-later
#include "SpeechSynthesizer.h"

#include <espeak-ng/espeak_ng.h>
#include <espeak-ng/speak_lib.h>

#include <array>
#include <atomic>
#include <clocale>
#include <utility>

#include "Common/MyLog.h"

namespace zr2d {

namespace {

// espeak-ng's state is global to the process.
std::atomic<bool> espeakTaken{false};

std::string StatusText(espeak_ng_STATUS status) {
    std::array<char, 256> text{};
    espeak_ng_GetStatusCodeMessage(status, text.data(), text.size());
    return text.data();
}

// espeak-ng hands over the samples piece by piece; the last call has no samples.
int AppendSamples(short* samples, int count, espeak_EVENT* events) {
    if (samples && count > 0 && events) {
        auto& buffer = *static_cast<SampleBuffer*>(events->user_data);
        buffer.samples.insert(buffer.samples.end(), samples, samples + count);
    }
    return 0;
}

}  // namespace

SpeechSynthesizer::SpeechSynthesizer(const std::string& voice, const std::string& dataFolder) {
    if (espeakTaken.exchange(true)) {
        common::MyLog::Warning("Keine Stimme \"" + voice + "\": es spricht schon eine");
    } else {
        loaded_ = LoadVoice(voice, dataFolder);
        if (!loaded_) espeakTaken = false;
    }
    if (loaded_) worker_ = std::thread([this] { Work(); });
}

SpeechSynthesizer::~SpeechSynthesizer() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
        texts_.clear();
    }
    changed_.notify_all();
    if (!loaded_) return;
    worker_.join();
    espeak_ng_Terminate();
    espeakTaken = false;
}

uint64_t SpeechSynthesizer::Say(std::string text) {
    uint64_t number = 0;
    {
        const std::lock_guard lock(mutex_);
        number = ++said_;
        if (loaded_) texts_.emplace_back(number, std::move(text));
    }
    changed_.notify_all();
    return number;
}

std::vector<SpeechSynthesizer::Spoken> SpeechSynthesizer::TakeFinished() {
    const std::lock_guard lock(mutex_);
    return std::exchange(finished_, {});
}

void SpeechSynthesizer::WaitUntilIdle() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return texts_.empty() && !speaking_; });
}

void SpeechSynthesizer::Work() {
    std::unique_lock lock(mutex_);
    while (true) {
        changed_.wait(lock, [this] { return stopping_ || !texts_.empty(); });
        if (stopping_) break;
        auto [number, text] = std::move(texts_.front());
        texts_.pop_front();
        speaking_ = true;
        lock.unlock();
        SampleBuffer buffer = Synthesize(text);
        lock.lock();
        speaking_ = false;
        if (!buffer.samples.empty()) finished_.push_back({number, std::move(buffer)});
        changed_.notify_all();
    }
}

// On the main thread, before the worker starts: espeak-ng sets the process's character locale
// while it loads, which would race with the main thread and change how the window's title is
// encoded; it is put back once the voice is loaded.
bool SpeechSynthesizer::LoadVoice(const std::string& voice, const std::string& dataFolder) {
    const std::string locale = std::setlocale(LC_CTYPE, nullptr);
    espeak_ng_InitializePath(dataFolder.empty() ? nullptr : dataFolder.c_str());
    espeak_ng_ERROR_CONTEXT context = nullptr;
    espeak_ng_STATUS status = espeak_ng_Initialize(&context);
    espeak_ng_ClearErrorContext(&context);
    if (status == ENS_OK) status = espeak_ng_InitializeOutput(ENOUTPUT_MODE_SYNCHRONOUS, 0, nullptr);
    if (status == ENS_OK) status = espeak_ng_SetVoiceByName(voice.c_str());
    std::setlocale(LC_CTYPE, locale.c_str());
    if (status != ENS_OK) {
        common::MyLog::Warning("Keine Stimme \"" + voice + "\": " + StatusText(status));
        espeak_ng_Terminate();
        return false;
    }
    espeak_SetSynthCallback(AppendSamples);
    rate_ = espeak_ng_GetSampleRate();
    return true;
}

SampleBuffer SpeechSynthesizer::Synthesize(const std::string& text) const {
    SampleBuffer buffer;
    buffer.rate = rate_;
    const espeak_ng_STATUS status =
        espeak_ng_Synthesize(text.c_str(), text.size() + 1, 0, POS_CHARACTER, 0,
                             espeakCHARS_UTF8 | espeakENDPAUSE, nullptr, &buffer);
    if (status != ENS_OK) {
        common::MyLog::Warning("Nicht gesprochen: \"" + text + "\": " + StatusText(status));
        return {};
    }
    return buffer;
}

}  // namespace zr2d
