// SPDX-License-Identifier: GPL-3.0-or-later
#include "PictureGame.h"

#include <stdexcept>
#include <string>

#include "BenchPictures.h"

namespace bench {
namespace {

const std::string kSet = "Kopien";
// Ten seconds of frames at the least: far beyond any decode, short of a hang.
constexpr int kMaxWaitFrames = 10000;

}  // namespace

PictureGame::PictureGame(testsupport::GameHarness& game, FrameClock& clock,
                         const std::filesystem::path& picture, int copies)
    : game_(game), clock_(clock), copies_(copies), shown_(copies) {
    const auto folder = game_.Path("bilder") / kSet;
    std::filesystem::create_directories(folder);
    for (int copy = 1; copy <= copies_; ++copy) {
        std::filesystem::copy_file(
            picture, folder / ("Bild " + std::to_string(copy) + picture.extension().string()));
    }
}

void PictureGame::WaitUntilNextIsReady() {
    if (shown_ >= copies_ - 1 || !game_.Game()) {
        game_.StartGame(kSet);
        shown_ = 1;
    }
    for (int frame = 0; frame < kMaxWaitFrames; ++frame) {
        const pexaro::Pexaro* screen = game_.Game();
        if (!screen) throw std::runtime_error("the game has left");
        if (screen->NextPictureReady() && !screen->TransitionNode()->Visible()) return;
        if (!Step()) throw std::runtime_error("the main loop ended");
        PauseLikeTheMainLoop();
    }
    throw std::runtime_error("the next picture did not arrive");
}

void PictureGame::Enter() {
    game_.Enter();
    ++shown_;
}

bool PictureGame::InCrossFade() const {
    const pexaro::Pexaro* screen = game_.Game();
    return screen && !screen->IsFinished() && screen->TransitionNode()->Visible();
}

}  // namespace bench
