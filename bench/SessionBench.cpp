// SPDX-License-Identifier: GPL-3.0-or-later
// Memory over a session: games in a row over the sample sets, each played to its end, with the
// peak resident memory of the process and the engine's live textures at the start, after the
// first game and after the last. scripts/bench.sh runs the 20-game session in its own process,
// so that the peak is the session's.

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <stdexcept>

#include "BenchPictures.h"
#include "Support/GameHarness.h"

namespace {

const char* const kSets[] = {"Farben", "Flaggen", "Formen", "Uhrzeiten", "Würfel"};
// A coarse clock: the fades only need to run out, not to be smooth.
constexpr uint32_t kFrameTicks = 100;

double PeakResidentMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// Every picture answered (wrongly, so the correct answer is shown too) until the game hands
// over to the menu.
void PlayOneGame(testsupport::GameHarness& game, const std::string& set, uint32_t& ticks) {
    game.StartGame(set);
    for (int frame = 0; frame < 100000 && game.Game(); ++frame) {
        const pexaro::Pexaro* screen = game.Game();
        if (!screen->IsFinished() && !screen->TransitionNode()->Visible()) {
            game.Type("falsch");
            game.Enter();
        }
        game.Step(ticks += kFrameTicks);
    }
    if (!game.CurrentMenu()) throw std::runtime_error("the game did not end in the menu");
    game.Step(ticks += kFrameTicks);
}

void Session_Games(benchmark::State& state) {
    const auto games = static_cast<int>(state.range(0));
    for (auto _ : state) {
        testsupport::GameHarness game(false);
        bench::CopySampleSets(game.Path("bilder"));
        game.Data().SetPlayerName("Bench");
        uint32_t ticks = 1000;
        game.Control().ShowMenu();
        game.Step(ticks += kFrameTicks);
        const zr2d::Engine& video = game.Engine().VideoEngine();
        state.counters["textures_start"] = video.LiveTextureCount();
        for (int i = 0; i < games; ++i) {
            PlayOneGame(game, kSets[i % std::size(kSets)], ticks);
            if (i == 0) state.counters["textures_after_first"] = video.LiveTextureCount();
        }
        state.counters["textures_after_last"] = video.LiveTextureCount();
    }
    state.counters["peak_rss_mb"] = PeakResidentMegabytes();
}

}  // namespace

BENCHMARK(Session_Games)->Arg(20)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();
