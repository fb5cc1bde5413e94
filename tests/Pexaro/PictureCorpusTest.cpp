// SPDX-License-Identifier: GPL-3.0-or-later
#include <GL/gl.h>
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "Common/UniqueResource.h"
#include "GameFixture.h"
#include "Support/HostCommand.h"
#include "ZudeRezede2D/Video/PictureDecoder.h"

#ifdef _WIN32
#include <windows.h>
// After windows.h, which it needs.
#include <psapi.h>
#endif

namespace pexaro::test {
namespace {

const std::filesystem::path kCorpus = PEXARO_PICTURE_CORPUS;

// Resampling differs between the game (libjpeg's scaled IDCT, block averages, a bilinear zoom)
// and ImageMagick (a Lanczos filter): on these photo-like pictures the mean stays below 1 level
// of 255. A picture turned or mirrored the wrong way gives 30 and more.
constexpr double kMeanDifferenceLimit = 2.0;

class PictureCorpusTest : public GameTest {
  protected:
    // The RGB bytes of the texture as drawn over black in the window's top-left corner.
    std::vector<uint8_t> Shown(const zr2d::Texture& texture, int width, int height) {
        zr2d::Engine& video = Engine().VideoEngine();
        video.InitFrame();
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT);
        video.Set2DView({0, 0, 10}, {0, 0, 0}, {0, 1, 0});
        video.DrawTexture(texture, std::nullopt, std::nullopt);
        std::vector<uint8_t> bottomUp(static_cast<size_t>(width) * height * 3);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(0, 768 - height, width, height, GL_RGB, GL_UNSIGNED_BYTE, bottomUp.data());
        std::vector<uint8_t> topDown(bottomUp.size());
        const size_t row = static_cast<size_t>(width) * 3;
        for (int y = 0; y < height; ++y) {
            std::copy_n(bottomUp.begin() + static_cast<std::ptrdiff_t>((height - 1 - y) * row), row,
                        topDown.begin() + static_cast<std::ptrdiff_t>(y * row));
        }
        return topDown;
    }

    // ImageMagick's rendering of the file, upright, at that size, over black.
    std::vector<uint8_t> Reference(const std::filesystem::path& file, int width, int height) {
        const std::string size = std::to_string(width) + "x" + std::to_string(height) + "!";
        const std::filesystem::path raw = Path("reference.rgb");
        // A truncated file draws a warning and a non-zero status, and is rendered all the same.
        const std::string command = "convert '" + file.string() + "' -auto-orient -resize " + size +
                                    " -background black -alpha remove -depth 8 rgb:'" +
                                    raw.string() + "' 2>/dev/null";
        std::filesystem::remove(raw);
        [[maybe_unused]] const int status = testsupport::HostCommand(command);
        std::ifstream in(raw, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    static long PeakResidentKilobytes() {
#ifdef _WIN32
        PROCESS_MEMORY_COUNTERS counters{};
        if (!::GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof counters)) return 0;
        return static_cast<long>(counters.PeakWorkingSetSize / 1024);
#else
        std::ifstream status("/proc/self/status");
        for (std::string line; std::getline(status, line);) {
            if (line.starts_with("VmHWM:")) return std::stol(line.substr(6));
        }
        return 0;
#endif
    }

    static double MeanDifference(const std::vector<uint8_t>& a, const std::vector<uint8_t>& b) {
        if (a.size() != b.size() || a.empty()) return 255;
        uint64_t sum = 0;
        for (size_t i = 0; i < a.size(); ++i) sum += static_cast<uint64_t>(std::abs(a[i] - b[i]));
        return static_cast<double>(sum) / static_cast<double>(a.size());
    }
};

}  // namespace

TEST_F(PictureCorpusTest, EveryKindOfFileShowsAsOtherViewersShowIt) {
    control_->ShowMenu();
    GameScene& scene = *CurrentMenu();
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(kCorpus)) files.push_back(entry);
    ASSERT_GE(files.size(), 30u) << "the corpus in " << kCorpus << " is incomplete";
    for (const auto& file : files) {
        SCOPED_TRACE(file.filename().string());
        const auto texture = scene.LoadPictureTexture(file.string());
        ASSERT_NE(texture, nullptr);
        const int width = static_cast<int>(texture->Size().X());
        const int height = static_cast<int>(texture->Size().Y());
        const double difference =
            MeanDifference(Shown(*texture, width, height), Reference(file, width, height));
        std::cout << file.filename().string() << " " << width << "x" << height << " " << difference
                  << "\n";
        EXPECT_LE(difference, kMeanDifferenceLimit);
    }

    // Broken after a JPEG's first marker: the reduced decoder fails the way IMG_Load does.
    std::ofstream(Path("kaputt.jpg"), std::ios::binary) << "\xFF\xD8\xFF\xE0 kein Bild";
    EXPECT_EQ(scene.LoadPictureTexture(Path("kaputt.jpg").string()), nullptr);
    EXPECT_TRUE(log_.Contains("Error loading image _tmpFilePexaro.jpg/nSDL Error: "));
}

// The previews are the photos negated: what a wrong choice shows is far from either reference.
TEST_F(PictureCorpusTest, CameraPreviewsStandInOnlyWhereTheyLookLikeThePhoto) {
    struct Case {
        std::string file;
        std::optional<common::Point2D> previewBox;
        bool preview;
    };
    // The 1600 x 1000 photo fits the wide box at 400 x 250, larger than its 320 x 200 preview,
    // and the tall one at 250 x 156. The boxes hold for the upright picture: turned for the photo
    // stored sideways. The cropped photo's stale preview would cover the small box.
    const common::Point2D small(120, 120);
    const common::Point2D thumbnail(240, 240);
    const common::Point2D wide(400, 250);
    const common::Point2D tall(250, 400);
    const std::vector<Case> cases = {
        {"jpeg-preview.jpg", thumbnail, true},
        {"jpeg-preview.jpg", wide, false},
        {"jpeg-preview.jpg", std::nullopt, false},
        {"jpeg-preview-orientation-6.jpg", tall, true},
        {"jpeg-preview-orientation-6.jpg", wide, false},
        {"jpeg-preview-stale.jpg", small, false},
        {"jpeg-preview-truncated.jpg", thumbnail, false},
        {"jpeg-orientation-1.jpg", thumbnail, false},
    };
    for (const Case& c : cases) {
        const std::string path = (kCorpus / c.file).string();
        SCOPED_TRACE(c.file + (c.previewBox ? " in " + c.previewBox->ToText() : " without box"));
        const size_t logged = log_.Text().size();
        const common::UniqueResource<SDL_Surface*, &SDL_FreeSurface> picture(
            zr2d::PictureDecoder::Load(path, c.previewBox.value_or(thumbnail), c.previewBox));
        ASSERT_TRUE(picture);
        ASSERT_EQ(picture->format->BytesPerPixel, 4);
        std::vector<uint8_t> shown;
        for (int y = 0; y < picture->h; ++y) {
            for (int x = 0; x < picture->w; ++x) {
                Uint32 pixel = 0;
                std::memcpy(&pixel,
                            static_cast<const uint8_t*>(picture->pixels) +
                                static_cast<size_t>(y) * picture->pitch + x * 4,
                            4);
                uint8_t rgb[3];
                SDL_GetRGB(pixel, picture->format, &rgb[0], &rgb[1], &rgb[2]);
                for (const uint8_t value : rgb) {
                    shown.push_back(c.preview ? static_cast<uint8_t>(255 - value) : value);
                }
            }
        }
        EXPECT_LE(MeanDifference(shown, Reference(kCorpus / c.file, picture->w, picture->h)),
                  kMeanDifferenceLimit);
        const std::string line = "Bild " + path + ": Vorschaubild der Kamera verwendet";
        EXPECT_EQ(log_.Text().find(line, logged) != std::string::npos, c.preview);
    }
}

// Peak resident memory while the game loads a 50-megapixel photo: far less than the decoded
// picture alone (8200 x 6100 x 3 bytes, 150 MB) would take.
TEST_F(PictureCorpusTest, LargePhotosAreNeverDecodedWhole) {
    control_->ShowMenu();
    GameScene& scene = *CurrentMenu();
#ifndef _WIN32
    // Writing 5 resets the peak to the present size (Linux 4.0 and later). Windows keeps its
    // peak, which this process, showing a menu so far, has reached far below the photo's size.
    if (!(std::ofstream("/proc/self/clear_refs") << "5")) GTEST_SKIP() << "no peak reset";
#endif
    const long before = PeakResidentKilobytes();
    ASSERT_GT(before, 0);
    const auto texture = scene.LoadPictureTexture((kCorpus / "jpeg-50-megapixel.jpg").string());
    ASSERT_NE(texture, nullptr);
    const long growth = PeakResidentKilobytes() - before;
    std::cout << "peak resident memory grew by " << growth << " kB\n";
    EXPECT_LT(growth, 8200L * 6100 * 3 / 1024 / 4);
}

}  // namespace pexaro::test
