// SPDX-License-Identifier: GPL-3.0-or-later
// A menu page of four sets of one camera photo each, from ShowMenu until its four thumbnails are
// on screen, frames stepped as the main loop steps them while the workers decode. Once with
// photos that carry a camera preview covering the thumbnail box, once without.
//
// Real time is the wall clock until all four are shown; CPU time is the whole process's (the
// workers and the driver's threads too); first_frame_ms and first_frame_cpu_ms are the main
// thread's wall and CPU time of ShowMenu and the first frame, before which the page is not there;
// game_cpu_ms is the CPU time without the software renderer's own threads: main thread, workers.
// The wall time includes the rasteriser's threads, which share the cores with the workers.

#include <benchmark/benchmark.h>

#include <chrono>
#include <ctime>
#include <stdexcept>
#include <string>

#include "BenchPictures.h"
#include "Common/MyLog.h"
#include "FrameClock.h"
#include "Support/GameHarness.h"

namespace {

using PicturePath = std::filesystem::path bench::BenchPictures::*;
constexpr size_t kSets = 4;
// Ten seconds of frames at the least: far beyond any decode, short of a hang.
constexpr int kMaxWaitFrames = 10000;

struct PageTimes {
    double firstFrameSeconds = 0;
    double firstFrameCpuSeconds = 0;
    double gameCpuSeconds = 0;
    int64_t frames = 0;
};

// The whole process's CPU time but the rasteriser threads', which draw every menu frame.
double GameCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9 -
           bench::RasteriserCpuSeconds();
}

// ShowMenu and frames until every thumbnail is shown.
void ShowPage(testsupport::GameHarness& game, bench::FrameClock& clock, PageTimes& times) {
    // Read first: walking /proc is not part of the first frame's figures.
    const double gameStart = GameCpuSeconds();
    const auto start = std::chrono::steady_clock::now();
    const double cpuStart = bench::ThreadCpuSeconds();
    game.Control().ShowMenu();
    if (!game.Step(clock.Next())) throw std::runtime_error("the main loop ended");
    times.firstFrameCpuSeconds += bench::ThreadCpuSeconds() - cpuStart;
    times.firstFrameSeconds +=
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    ++times.frames;
    for (int frame = 0; game.CurrentMenu()->ThumbnailsShown() < kSets; ++frame) {
        if (frame == kMaxWaitFrames) throw std::runtime_error("the thumbnails did not arrive");
        bench::PauseLikeTheMainLoop();
        if (!game.Step(clock.Next())) throw std::runtime_error("the main loop ended");
        ++times.frames;
    }
    times.gameCpuSeconds += GameCpuSeconds() - gameStart;
}

size_t Count(const std::string& text, const std::string& part) {
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

void Picture_MenuPage(benchmark::State& state, PicturePath which, bool withPreviews) {
    testsupport::GameHarness game(true);
    for (size_t set = 1; set <= kSets; ++set) {
        const auto folder = game.Path("bilder/Satz " + std::to_string(set));
        std::filesystem::create_directories(folder);
        std::filesystem::copy_file(bench::Pictures().*which, folder / "Foto.jpg");
    }
    bench::FrameClock clock;
    // Once untimed, so that every timed page finds the glyphs cached, as after the first.
    PageTimes warmUp;
    ShowPage(game, clock, warmUp);
    const size_t previews = Count(game.Log().Text(), ": Vorschaubild der Kamera verwendet");
    if (previews != (withPreviews ? kSets : 0)) {
        throw std::runtime_error(std::to_string(previews) + " camera previews used");
    }
    common::MyLog::SetShowLog(false);

    PageTimes times;
    for (auto _ : state) ShowPage(game, clock, times);
    state.counters["first_frame_ms"] =
        benchmark::Counter(times.firstFrameSeconds * 1000, benchmark::Counter::kAvgIterations);
    state.counters["first_frame_cpu_ms"] = benchmark::Counter(
        times.firstFrameCpuSeconds * 1000, benchmark::Counter::kAvgIterations);
    state.counters["game_cpu_ms"] =
        benchmark::Counter(times.gameCpuSeconds * 1000, benchmark::Counter::kAvgIterations);
    state.counters["frames"] =
        benchmark::Counter(static_cast<double>(times.frames), benchmark::Counter::kAvgIterations);
}

}  // namespace

BENCHMARK_CAPTURE(Picture_MenuPage, photo, &bench::BenchPictures::photo, false)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();
BENCHMARK_CAPTURE(Picture_MenuPage, preview, &bench::BenchPictures::photoWithPreview, true)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();
