// SPDX-License-Identifier: GPL-3.0-or-later
#include <SDL.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "Support/LogCapture.h"
#include "Support/TempDir.h"
#include "ZudeRezede2D/Video/BackgroundDecoder.h"

namespace zr2d {
namespace {

// The workers in a fresh working folder, where the temporary copies go.
class BackgroundDecoderTest : public ::testing::Test {
  protected:
    BackgroundDecoderTest() : previousFolder_(std::filesystem::current_path()) {
        std::filesystem::current_path(dir_.Path());
    }
    ~BackgroundDecoderTest() override { std::filesystem::current_path(previousFolder_); }

    // A bitmap whose decoding and shrinking takes a worker some milliseconds.
    std::string MakePicture(const std::string& name, int width, int height) {
        SDL_Surface* surface =
            SDL_CreateRGBSurface(0, width, height, 24, 0xFF, 0xFF00, 0xFF0000, 0);
        for (int y = 0; y < height; ++y) {
            auto* row = static_cast<uint8_t*>(surface->pixels) + y * surface->pitch;
            for (int x = 0; x < width * 3; ++x) row[x] = static_cast<uint8_t>(x ^ y);
        }
        const std::string path = dir_.File(name);
        SDL_SaveBMP(surface, path.c_str());
        SDL_FreeSurface(surface);
        return path;
    }
    static PictureRequest Request(const std::string& path) {
        return {path, common::Point2D(100, 100), "_tmpKopie", std::nullopt};
    }
    bool CopiesLeft() const {
        for (const auto& entry : std::filesystem::directory_iterator(dir_.Path())) {
            if (entry.path().filename().string().starts_with("_tmpKopie")) return true;
        }
        return false;
    }

    testsupport::TempDir dir_;
    testsupport::LogCapture log_;
    std::filesystem::path previousFolder_;
};

TEST_F(BackgroundDecoderTest, ResultsReachTheMainThreadFittedAndFailuresAsNothing) {
    const std::string big = MakePicture("gross.bmp", 1600, 1200);
    const std::string small = MakePicture("klein.bmp", 40, 30);
    const std::thread::id mainThread = std::this_thread::get_id();
    std::vector<std::optional<Picture>> results(3);
    std::vector<bool> onMainThread(3, false);
    std::vector<std::shared_ptr<PictureJob>> jobs;
    {
        BackgroundDecoder decoder(2);
        const std::vector<std::string> paths = {big, small, dir_.File("fehlt.bmp")};
        for (size_t n = 0; n < paths.size(); ++n) {
            jobs.push_back(
                decoder.Submit(Request(paths[n]), [&, n](std::optional<Picture> picture) {
                    onMainThread[n] = std::this_thread::get_id() == mainThread;
                    results[n] = std::move(picture);
                }));
        }
        // Nothing reaches the continuations but through the main thread's hands.
        for (const auto& job : jobs) decoder.Wait(job);
        decoder.Deliver();
    }
    ASSERT_TRUE(results[0] && results[1]);
    EXPECT_EQ(results[0]->Width(), 100);
    EXPECT_EQ(results[0]->Height(), 75);
    EXPECT_EQ(results[1]->Width(), 40);
    EXPECT_FALSE(results[2]);
    EXPECT_EQ(onMainThread, std::vector<bool>(3, true));
    for (const auto& job : jobs) EXPECT_TRUE(job->IsOver());
    EXPECT_TRUE(log_.Contains("Datei " + dir_.File("fehlt.bmp") + " kann nicht gelesen werden"))
        << log_.Text();
    EXPECT_FALSE(CopiesLeft());
}

TEST_F(BackgroundDecoderTest, CancelledAndShutDownJobsNeverDeliverAndLeaveNoCopy) {
    const std::string picture = MakePicture("foto.bmp", 3000, 2000);
    int delivered = 0;
    {
        BackgroundDecoder decoder(2);
        // A screen disposed while its jobs run or wait: nothing of it is taken up.
        std::vector<std::shared_ptr<PictureJob>> disposed;
        for (int n = 0; n < 6; ++n) {
            disposed.push_back(
                decoder.Submit(Request(picture), [&](std::optional<Picture>) { ++delivered; }));
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        for (const auto& job : disposed) job->Cancel();
        decoder.Wait(disposed.front());
        decoder.Deliver();
        EXPECT_EQ(delivered, 0);
        // The program ends while jobs run: shutdown waits for them and drops their results.
        for (int n = 0; n < 4; ++n) {
            decoder.Submit(Request(picture), [&](std::optional<Picture>) { ++delivered; });
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        decoder.Shutdown();
        decoder.Deliver();
        // Late requests come back cancelled.
        const auto late =
            decoder.Submit(Request(picture), [&](std::optional<Picture>) { ++delivered; });
        EXPECT_TRUE(late->IsCancelled());
    }
    EXPECT_EQ(delivered, 0);
    EXPECT_FALSE(CopiesLeft());
}

TEST_F(BackgroundDecoderTest, WaitingForAQueuedJobDecodesItAtOnce) {
    const std::string slow = MakePicture("langsam.bmp", 3000, 2000);
    const std::string wanted = MakePicture("gesucht.bmp", 200, 100);
    BackgroundDecoder decoder(1);
    std::vector<std::string> order;
    const auto busy =
        decoder.Submit(Request(slow), [&](std::optional<Picture>) { order.push_back("langsam"); });
    const auto job = decoder.Submit(Request(wanted), [&](std::optional<Picture> picture) {
        order.push_back(picture ? "gesucht" : "fehlgeschlagen");
    });
    // Whether the one worker has taken it or not, Wait returns with the continuation done.
    decoder.Wait(job);
    EXPECT_EQ(order, std::vector<std::string>{"gesucht"});
    decoder.Wait(busy);
    EXPECT_EQ(order, (std::vector<std::string>{"gesucht", "langsam"}));
}

}  // namespace
}  // namespace zr2d
