// SPDX-License-Identifier: GPL-3.0-or-later
#include "MixedOutput.h"

#include <algorithm>
#include <stdexcept>

namespace bench {

namespace {

constexpr int kChannels = 2;

}  // namespace

MixedOutput::MixedOutput() {
    int rate = 0;
    uint16_t format = 0;
    int channels = 0;
    if (Mix_QuerySpec(&rate, &format, &channels) == 0) {
        throw std::runtime_error("the mixer is not open");
    }
    if (format != AUDIO_S16SYS || channels != kChannels) {
        throw std::runtime_error("the mixer is not at 16-bit stereo");
    }
    rate_ = rate;
    Mix_SetPostMix(&MixedOutput::Mixed, this);
}

MixedOutput::~MixedOutput() { Mix_SetPostMix(nullptr, nullptr); }

void MixedOutput::Mixed(void* self, uint8_t* stream, int length) {
    // First of all: the moment the buffer is made.
    const auto now = Clock::now();
    static_cast<MixedOutput*>(self)->Observe(now, reinterpret_cast<const int16_t*>(stream),
                                              length / static_cast<int>(sizeof(int16_t)));
}

void MixedOutput::Observe(Clock::time_point now, const int16_t* samples, int64_t count) {
    const int64_t first = std::find_if(samples, samples + count, [](int16_t s) { return s != 0; }) -
                          samples;
    const std::lock_guard lock(mutex_);
    ++buffers_;
    bufferFrames_ = count / kChannels;
    const bool sounding = first < count;
    if (sounding) ++sounding_;
    if (!listening_ || firstSound_) return;
    if (!sounding) {
        ++silentSinceListen_;
        return;
    }
    const std::chrono::duration<double> offset(static_cast<double>(first / kChannels) / rate_);
    firstSound_ = now + std::chrono::duration_cast<Clock::duration>(offset);
}

void MixedOutput::Listen() {
    const std::lock_guard lock(mutex_);
    listening_ = true;
    silentSinceListen_ = 0;
    firstSound_.reset();
}

int64_t MixedOutput::SilentBuffers() const {
    const std::lock_guard lock(mutex_);
    return firstSound_ ? 0 : silentSinceListen_;
}

std::optional<MixedOutput::Clock::time_point> MixedOutput::FirstSound() const {
    const std::lock_guard lock(mutex_);
    return firstSound_;
}

double MixedOutput::SoundingShare() const {
    const std::lock_guard lock(mutex_);
    return buffers_ ? static_cast<double>(sounding_) / static_cast<double>(buffers_) : 0;
}

int64_t MixedOutput::BufferFrames() const {
    const std::lock_guard lock(mutex_);
    return bufferFrames_;
}

}  // namespace bench
