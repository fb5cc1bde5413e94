// SPDX-License-Identifier: GPL-3.0-or-later
// What the player waits for after Enter: the answer scored, the next picture (already decoded in
// the background) uploaded, and the first frame of the cross-fade drawn. The main thread's CPU
// time (the benchmark's CPU time) against IMG_Load of the same file alone (Picture_Decode); its
// wall time also holds the rasteriser's threads drawing that frame beside the worker that
// decodes the picture after.

#include <benchmark/benchmark.h>

#include <stdexcept>

#include "BenchPictures.h"
#include "FrameClock.h"
#include "PictureGame.h"
#include "Support/GameHarness.h"

namespace {

using PicturePath = std::filesystem::path bench::BenchPictures::*;

void Picture_EnterToFade(benchmark::State& state, PicturePath which) {
    testsupport::GameHarness game(false);
    bench::FrameClock clock;
    bench::PictureGame pictures(game, clock, bench::Pictures().*which);
    for (auto _ : state) {
        state.PauseTiming();
        pictures.WaitUntilNextIsReady();
        state.ResumeTiming();
        pictures.Enter();
        if (!pictures.Step()) throw std::runtime_error("the main loop ended");
        if (!pictures.InCrossFade()) throw std::runtime_error("no cross-fade started");
    }
}

// Each Enter first waits out the last fade, some fifty untimed frames: a fixed count keeps a
// repetition to seconds where a minimum of timed time would take minutes.
constexpr benchmark::IterationCount kEnters = 5;

}  // namespace

BENCHMARK_CAPTURE(Picture_EnterToFade, photo, &bench::BenchPictures::photo)
    ->Iterations(kEnters)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(Picture_EnterToFade, graphic, &bench::BenchPictures::graphic)
    ->Iterations(kEnters)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
