// SPDX-License-Identifier: GPL-3.0-or-later
// Text: SetText of a 40-character German line whose glyphs are all cached, against the first
// rendering of the same line (every glyph rendered and uploaded).

#include <benchmark/benchmark.h>

#include "CallCounter.h"
#include "Support/GameHarness.h"
#include "ZudeRezede2D/Scene/TextNode.h"

namespace {

// 40 characters, 46 bytes in UTF-8.
const std::string kLine = "Grüße aus Köln: Bäume, Flüsse und Wölfe!";
// The same characters in another order, so that every SetText is a change.
const std::string kSameGlyphs = "Köln: Grüße aus Bäume, Flüsse und Wölfe!";

// Font openings and uploads per SetText, leaving out those of the untimed set-up.
void ReportCalls(benchmark::State& state, const bench::CallCounts& before,
                 const bench::CallCounts& setup) {
    const bench::CallCounts after = bench::Counts();
    const auto perIteration = [](int64_t count) {
        return benchmark::Counter(static_cast<double>(count), benchmark::Counter::kAvgIterations);
    };
    state.counters["font_openings"] =
        perIteration(after.fontOpenings - before.fontOpenings - setup.fontOpenings);
    state.counters["uploads"] =
        perIteration(after.textureUploads - before.textureUploads - setup.textureUploads);
}

void Text_FirstRendering(benchmark::State& state) {
    testsupport::GameHarness game(false);
    zr2d::Engine& video = game.Engine().VideoEngine();
    zr2d::TextNode node("line", video, common::Point3D(0, 0, 0), game.Data().LargeFont(), "");
    const bench::CallCounts before = bench::Counts();
    bench::CallCounts setup;
    for (auto _ : state) {
        state.PauseTiming();
        const bench::CallCounts setupBefore = bench::Counts();
        // Nothing else uses this engine's glyph cache: emptying it makes every glyph new.
        node.SetText("");
        video.SurfaceManager().FreeAll();
        setup.fontOpenings += bench::Counts().fontOpenings - setupBefore.fontOpenings;
        setup.textureUploads += bench::Counts().textureUploads - setupBefore.textureUploads;
        state.ResumeTiming();
        node.SetText(kLine);
    }
    ReportCalls(state, before, setup);
}

void Text_Cached(benchmark::State& state) {
    testsupport::GameHarness game(false);
    zr2d::TextNode node("line", game.Engine().VideoEngine(), common::Point3D(0, 0, 0),
                        game.Data().LargeFont(), kLine);
    node.SetText(kSameGlyphs);
    const bench::CallCounts before = bench::Counts();
    bool flip = false;
    for (auto _ : state) {
        node.SetText(flip ? kSameGlyphs : kLine);
        flip = !flip;
    }
    ReportCalls(state, before, {});
}

}  // namespace

BENCHMARK(Text_FirstRendering)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(Text_Cached)->Unit(benchmark::kMicrosecond)->UseRealTime();
