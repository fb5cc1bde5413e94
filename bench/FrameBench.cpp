// SPDX-License-Identifier: GPL-3.0-or-later
// Frames of the game's screens with the engine's whole main-loop step (events, animations,
// drawing, buffer swap), at a 16 ms clock: the game during a cross-fade of two screen-sized
// photos while a worker decodes the next, the same with the game's sound with and without its
// voice, and the menu showing a full highscore table.

#include <benchmark/benchmark.h>

#include <chrono>
#include <stdexcept>
#include <utility>

#include "BenchPictures.h"
#include "Common/FileSystem/EncryptedFile.h"
#include "FrameClock.h"
#include "MixedOutput.h"
#include "PacedDiskAudio.h"
#include "Pexaro/GameDatLayout.h"
#include "PictureGame.h"
#include "Support/GameHarness.h"

namespace {

// A timed frame, kept out of line: scripts/bench_report.py profiles these calls alone, not the
// untimed frames stepped while waiting for a picture.
[[gnu::noinline]] bool TimedStep(testsupport::GameHarness& game, bench::FrameClock& clock) {
    return game.Step(clock.Next());
}

// Runs the timed frames and reports frames per second, the main thread's CPU time per frame
// (the driver's rasteriser threads are not in it) and the last frame's draw calls.
template <typename BeforeFrame>
void TimeFrames(benchmark::State& state, testsupport::GameHarness& game, bench::FrameClock& clock,
                BeforeFrame beforeFrame) {
    double cpu = 0;
    for (auto _ : state) {
        beforeFrame();
        const double start = bench::ThreadCpuSeconds();
        if (!TimedStep(game, clock)) throw std::runtime_error("the main loop ended");
        cpu += bench::ThreadCpuSeconds() - start;
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["fps"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["main_cpu_ms"] =
        benchmark::Counter(cpu * 1000, benchmark::Counter::kAvgIterations);
    // The engine's count of textured draws in the last frame.
    state.counters["draw_calls"] = game.Engine().VideoEngine().VideoInfo().DrawCalls();
}

// Photos larger than the screen, each fitted to 1024 x 768 on loading. Every fade is timed from
// its first frame, right after the Enter that started decoding the next photo. Returns the
// Enters.
int TimeCrossFades(benchmark::State& state, testsupport::GameHarness& game) {
    bench::FrameClock clock;
    bench::PictureGame photos(game, clock, bench::Pictures().photo);
    int enters = 0;
    TimeFrames(state, game, clock, [&] {
        if (photos.InCrossFade()) return;
        state.PauseTiming();
        photos.WaitUntilNextIsReady();
        photos.Enter();
        ++enters;
        if (!photos.InCrossFade()) throw std::runtime_error("no cross-fade started");
        state.ResumeTiming();
    });
    return enters;
}

void Frame_CrossFade(benchmark::State& state) {
    testsupport::GameHarness game(false);
    TimeCrossFades(state, game);
}

// The cross-fades with the game's sound, paced like a sound card: every Enter, about one a
// second, plays the answer's sound and, with the voice, says "Richtig wäre: Bild N", which the
// synthesiser makes on its worker during the fade's first frames and the mixer plays after the
// sound, until the next Enter cuts it short. A fixed count of frames makes one call of this
// function; scripts/bench_report.py runs each repetition in a process of its own, with and
// without the voice in turns, so that the machine's drift favours neither.
void Frame_Voice(benchmark::State& state, bool voice) {
    testsupport::GameHarness game(false, bench::PacedDiskAudio(voice));
    const bench::MixedOutput output;
    const auto start = std::chrono::steady_clock::now();
    const int enters = TimeCrossFades(state, game);
    const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
    bench::ThrowOnWarning(game);
    // With the voice, each answer says its name.
    state.counters["answers_per_s"] = enters / seconds.count();
    // Of the mixer's buffers in the whole run, waits included.
    state.counters["sounding"] = output.SoundingShare();
}

// A full table (ten rows) for the first sample set, which the menu shows once it is chosen.
void WriteFullTable() {
    std::vector<std::string> lines = {"{(Vorlatec)|Playername}", "Anna", "{(Vorlatec)|Highscore}",
                                      "{(Vorlatec)|HighscoreGameName}Farben"};
    const char* names[] = {"Anna",   "Björn",   "Cäcilie", "Dörte", "Emil",
                           "Frieda", "Günther", "Hülya",   "Ida",   "Jürgen"};
    int points = 100;
    for (const char* name : names)
        lines.push_back(std::string(name) + "?" + std::to_string(points -= 7));
    common::EncryptedFile::Write(pexaro::Menu::kSaveFile, pexaro::GameDatLayout::Key(), lines);
}

void Frame_Menu(benchmark::State& state) {
    testsupport::GameHarness game(false);
    bench::CopySampleSets(game.Path("bilder"));
    WriteFullTable();
    bench::FrameClock clock;
    game.Control().ShowMenu();
    game.Step(clock.Next());
    // The first set's strip in the list (the list frame's origin is at 172, 60).
    game.Click(512, 60 + 30 + 40 + 20);
    if (game.Data().MenuCurrentGame() != 1) throw std::runtime_error("the set was not chosen");
    // Until the table's fade-in is over.
    for (int i = 0; i < 40; ++i) game.Step(clock.Next());
    TimeFrames(state, game, clock, [] {});
}

// About four fades of some hundred frames in full, half of one in the smoke run.
const benchmark::IterationCount kVoiceFrames = bench::AudioIterations(400, 50);

}  // namespace

BENCHMARK(Frame_CrossFade)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(Frame_Voice, on, true)
    ->Iterations(kVoiceFrames)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(Frame_Voice, off, false)
    ->Iterations(kVoiceFrames)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(Frame_Menu)->Unit(benchmark::kMillisecond)->UseRealTime();
