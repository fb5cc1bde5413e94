// SPDX-License-Identifier: GPL-3.0-or-later
#include "PacedDiskAudio.h"

#include <cstdlib>
#include <stdexcept>

#include "Common/Platform/Platform.h"

namespace bench {

testsupport::GameHarness::AudioChoice PacedDiskAudio(bool voice) {
    using common::Platform;
    // Overwritten: the figures hold only for this driver. It writes each buffer to the file and
    // then waits 23 ms, about the 23.2 ms that the mixer's 1024 frames at 44100 Hz last.
    Platform::SetEnvironment("SDL_AUDIODRIVER", "disk", true);
    Platform::SetEnvironment("SDL_DISKAUDIOFILE", "/dev/null", true);
    Platform::SetEnvironment("SDL_DISKAUDIODELAY", "23", true);
    return {PEXARO_SOUND_FILES, true, voice};
}

void ThrowOnWarning(const testsupport::GameHarness& game) {
    if (game.Log().Contains("Warn  ")) {
        throw std::runtime_error("the game warned:\n" + game.Log().Text());
    }
}

benchmark::IterationCount AudioIterations(benchmark::IterationCount full,
                                          benchmark::IterationCount smoke) {
    return std::getenv("PEXARO_BENCH_AUDIO_FULL") ? full : smoke;
}

}  // namespace bench
