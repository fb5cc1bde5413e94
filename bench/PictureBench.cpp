// SPDX-License-Identifier: GPL-3.0-or-later
// The picture pipeline against its floor: LoadPictureTexture (temporary copy, decode, fit to the
// screen, split, upload) and IMG_Load of the same file alone.

#include <SDL.h>
#include <SDL_image.h>
#include <benchmark/benchmark.h>

#include <stdexcept>

#include "BenchPictures.h"
#include "CallCounter.h"
#include "Support/GameHarness.h"

namespace {

using PicturePath = std::filesystem::path bench::BenchPictures::*;

void Picture_Decode(benchmark::State& state, PicturePath which) {
    const std::string path = (bench::Pictures().*which).string();
    for (auto _ : state) {
        SDL_Surface* surface = IMG_Load(path.c_str());
        if (!surface) throw std::runtime_error("IMG_Load failed: " + path);
        SDL_FreeSurface(surface);
    }
}

void Picture_Pipeline(benchmark::State& state, PicturePath which) {
    const std::string path = (bench::Pictures().*which).string();
    testsupport::GameHarness game(false);
    auto scene =
        std::make_shared<pexaro::GameScene>("bench", game.Engine(), game.Data(), game.Control());
    const int64_t uploadsBefore = bench::Counts().textureUploads;
    for (auto _ : state) {
        auto texture = scene->LoadPictureTexture(path);
        if (!texture) throw std::runtime_error("LoadPictureTexture failed: " + path);
        benchmark::DoNotOptimize(texture);
    }
    state.counters["uploads"] =
        benchmark::Counter(static_cast<double>(bench::Counts().textureUploads - uploadsBefore),
                           benchmark::Counter::kAvgIterations);
    scene->Dispose();
}

}  // namespace

BENCHMARK_CAPTURE(Picture_Decode, photo, &bench::BenchPictures::photo)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(Picture_Pipeline, photo, &bench::BenchPictures::photo)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(Picture_Decode, graphic, &bench::BenchPictures::graphic)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(Picture_Pipeline, graphic, &bench::BenchPictures::graphic)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
