// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <benchmark/benchmark.h>

#include "Support/GameHarness.h"

namespace bench {

// The game's sound, and its voice if asked, on SDL's disk audio driver paced like a sound card.
// Sets SDL's variables for that in this process; SDL reads them when the audio opens, which is
// in the harness's constructor, so this is called before it.
testsupport::GameHarness::AudioChoice PacedDiskAudio(bool voice);

// Throws with the log if the game warned: a sound device, sound file or voice that failed
// leaves the game silent, and a figure would be of a game without it.
void ThrowOnWarning(const testsupport::GameHarness& game);

// The iterations of an audio benchmark: full when PEXARO_BENCH_AUDIO_FULL is set, as
// scripts/bench_report.py sets it for the figures; else the smoke run's few.
benchmark::IterationCount AudioIterations(benchmark::IterationCount full,
                                          benchmark::IterationCount smoke);

}  // namespace bench
