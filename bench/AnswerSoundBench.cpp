// SPDX-License-Identifier: GPL-3.0-or-later
// How soon the answer is heard: from the Enter handed to the game screen to the first sample of
// the answer's sound in the mixer's output, in the mixer's buffers (1024 frames at 44100 Hz,
// 23.2 ms). The mixer plays to SDL's disk driver at a sound card's pace, and MixedOutput sees
// each buffer as it is made; the game steps its frames meanwhile, as the main loop would.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <random>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "BenchPictures.h"
#include "FrameClock.h"
#include "MixedOutput.h"
#include "PacedDiskAudio.h"
#include "PictureGame.h"
#include "Support/GameHarness.h"
#include "ZudeRezede2D/Audio/MixerAudio.h"

namespace {

using bench::MixedOutput;
using std::chrono::duration;

// Answers of one repetition, each after the last one's sound has ended; in turn right, close
// and wrong, so each sound comes as often.
const benchmark::IterationCount kAnswers = bench::AudioIterations(21, 3);
// Far beyond any buffer, short of a hang.
constexpr std::chrono::seconds kMaxWait(3);

// The three answers in turn, for the three sounds: the name ("richtig"), the name without its
// first letter ("knapp"; the names begin with a letter, and digits do not count) and nothing
// ("falsch").
std::string AnswerFor(const std::string& name, benchmark::IterationCount answer) {
    switch (answer % 3) {
        case 0: return name;
        case 1: return name.substr(1);
        default: return "";
    }
}

bool ScoredAs(int32_t score, benchmark::IterationCount answer) {
    switch (answer % 3) {
        case 0: return score == 10;
        case 1: return score > 0 && score < 10;
        default: return score == 0;
    }
}

// Steps frames until done() or the wait is too long.
template <typename Done>
void StepUntil(bench::PictureGame& pictures, const char* what, Done done) {
    const auto deadline = MixedOutput::Clock::now() + kMaxWait;
    while (!done()) {
        if (MixedOutput::Clock::now() > deadline) throw std::runtime_error(what);
        if (!pictures.Step()) throw std::runtime_error("the main loop ended");
        bench::PauseLikeTheMainLoop();
    }
}

// Until the last answer's sound has ended and two silent buffers followed: the first sound
// after the next Enter is then that answer's. The wait ends just after a buffer was mixed;
// a pause of up to a buffer then puts the Enter anywhere in the mixer's cycle, as a player's
// key comes.
void WaitForSilence(bench::PictureGame& pictures, MixedOutput& output, double bufferSeconds,
                    std::mt19937& random) {
    StepUntil(pictures, "the last sound did not end", [] { return Mix_Playing(-1) == 0; });
    output.Listen();
    StepUntil(pictures, "the mixer made no silent buffers",
              [&] { return output.SilentBuffers() >= 2; });
    std::this_thread::sleep_for(
        duration<double>(std::uniform_real_distribution(0.0, bufferSeconds)(random)));
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// The manual time of each answer is its latency; the counters are in buffers.
void Audio_AnswerLatency(benchmark::State& state) {
    testsupport::GameHarness game(false, bench::PacedDiskAudio(false));
    MixedOutput output;
    bench::FrameClock clock;
    // One game for the repetition's answers.
    bench::PictureGame pictures(game, clock, bench::Pictures().photo,
                                static_cast<int>(kAnswers) + 2);
    constexpr double kBufferSeconds =
        static_cast<double>(zr2d::MixerAudio::kBufferFrames) / zr2d::MixerAudio::kRate;
    std::mt19937 random(1234);
    std::vector<double> latencies;
    for (auto _ : state) {
        const benchmark::IterationCount answer = latencies.size();
        pictures.WaitUntilNextIsReady();
        WaitForSilence(pictures, output, kBufferSeconds, random);
        const pexaro::Pexaro& screen = *game.Game();
        game.Type(AnswerFor(screen.CurrentPicture()->Answer(), answer));
        const int32_t pointsBefore = screen.Points();
        const auto enter = MixedOutput::Clock::now();
        pictures.Enter();
        if (!ScoredAs(screen.Points() - pointsBefore, answer)) {
            throw std::runtime_error("the answer scored " +
                                     std::to_string(screen.Points() - pointsBefore));
        }
        StepUntil(pictures, "no answer sound", [&] { return output.FirstSound().has_value(); });
        const duration<double> latency = *output.FirstSound() - enter;
        if (latency.count() < 0) throw std::runtime_error("a sound before Enter");
        state.SetIterationTime(latency.count());
        latencies.push_back(latency.count() / kBufferSeconds);
    }
    if (output.BufferFrames() != zr2d::MixerAudio::kBufferFrames) {
        throw std::runtime_error("buffers of " + std::to_string(output.BufferFrames()) +
                                 " frames");
    }
    bench::ThrowOnWarning(game);
    state.counters["median_buffers"] = Median(latencies);
    state.counters["worst_buffers"] = *std::max_element(latencies.begin(), latencies.end());
}

}  // namespace

BENCHMARK(Audio_AnswerLatency)
    ->Iterations(kAnswers)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
