// SPDX-License-Identifier: GPL-3.0-or-later
// Photos at the size they are shown: the reduced-scale decode alone (the floor of the picture
// pipeline for a JPEG), and the peak memory of loading a very large photo, by the game and by
// IMG_Load. scripts/bench.sh runs each memory figure in a process of its own.

#include <SDL.h>
#include <SDL_image.h>
#include <benchmark/benchmark.h>

#include <fstream>
#include <stdexcept>
#include <string>

#include "BenchPictures.h"
#include "Support/GameHarness.h"
#include "ZudeRezede2D/Video/ReducedJpegDecoder.h"

namespace {

void Picture_ReducedDecode(benchmark::State& state) {
    const std::string path = bench::Pictures().photo.string();
    for (auto _ : state) {
        SDL_Surface* surface = nullptr;
        if (zr2d::ReducedJpegDecoder::Decode(path, {1024, 768}, &surface) !=
            zr2d::ReducedJpegDecoder::Result::Decoded) {
            throw std::runtime_error("no reduced decode: " + path);
        }
        SDL_FreeSurface(surface);
    }
}

long PeakResidentKilobytes() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with("VmHWM:")) return std::stol(line.substr(6));
    }
    return 0;
}

// Peak growth of resident memory over one load, after resetting the peak to the present size.
template <typename Load>
void MeasurePeak(benchmark::State& state, Load load) {
    long growth = 0;
    for (auto _ : state) {
        if (!(std::ofstream("/proc/self/clear_refs") << "5")) {
            throw std::runtime_error("cannot reset the peak");
        }
        const long before = PeakResidentKilobytes();
        load();
        growth = PeakResidentKilobytes() - before;
    }
    state.counters["peak_growth_mb"] = static_cast<double>(growth) / 1024.0;
}

void Memory_LargePhoto_Game(benchmark::State& state) {
    testsupport::GameHarness game(false);
    auto scene =
        std::make_shared<pexaro::GameScene>("bench", game.Engine(), game.Data(), game.Control());
    const std::string path = bench::Pictures().largePhoto.string();
    MeasurePeak(state, [&] {
        if (!scene->LoadPictureTexture(path)) throw std::runtime_error("no picture: " + path);
    });
    scene->Dispose();
}

void Memory_LargePhoto_Decode(benchmark::State& state) {
    const std::string path = bench::Pictures().largePhoto.string();
    MeasurePeak(state, [&] {
        SDL_Surface* surface = IMG_Load(path.c_str());
        if (!surface) throw std::runtime_error("IMG_Load failed: " + path);
        SDL_FreeSurface(surface);
    });
}

}  // namespace

BENCHMARK(Picture_ReducedDecode)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(Memory_LargePhoto_Game)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(Memory_LargePhoto_Decode)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();
