// SPDX-License-Identifier: GPL-3.0-or-later
#include "BenchPictures.h"

#include <cstdlib>
#include <ctime>
#include <stdexcept>

#include "Support/TempDir.h"

namespace bench {
namespace {

void Make(const std::string& command) {
    if (std::system(command.c_str()) != 0) throw std::runtime_error("failed: " + command);
}

BenchPictures MakeStandIns() {
    static const testsupport::TempDir folder;
    const BenchPictures pictures{folder.Path() / "foto.jpg", folder.Path() / "grafik.png",
                                 folder.Path() / "foto.jpg"};
    // Larger than the screen, so that the fitting runs as it does for real photos.
    Make("convert -size 1600x1200 gradient:orange-navy '" + pictures.photo.string() + "'");
    Make("convert -size 1400x1050 gradient:white-teal -depth 8 '" + pictures.graphic.string() +
         "'");
    return pictures;
}

BenchPictures Find() {
    if (const char* folder = std::getenv("PEXARO_BENCH_PICTURES")) {
        const std::filesystem::path path(folder);
        return {path / "foto.jpg", path / "grafik.png", path / "foto-50.jpg"};
    }
    return MakeStandIns();
}

}  // namespace

const BenchPictures& Pictures() {
    static const BenchPictures pictures = Find();
    return pictures;
}

void CopySampleSets(const std::filesystem::path& bilder) {
    std::filesystem::copy(
        PEXARO_SAMPLE_SETS, bilder,
        std::filesystem::copy_options::recursive | std::filesystem::copy_options::skip_existing);
}

double ThreadCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

}  // namespace bench
