// SPDX-License-Identifier: GPL-3.0-or-later
#include "BenchPictures.h"

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <stdexcept>
#include <string>
#include <thread>

#include "Support/TempDir.h"

namespace bench {
namespace {

void Make(const std::string& command) {
    if (std::system(command.c_str()) != 0) throw std::runtime_error("failed: " + command);
}

BenchPictures InFolder(const std::filesystem::path& folder) {
    return {folder / "foto.jpg", folder / "foto-vorschau.jpg", folder / "grafik.png",
            folder / "foto-50.jpg"};
}

BenchPictures MakeStandIns() {
    static const testsupport::TempDir folder;
    BenchPictures pictures = InFolder(folder.Path());
    pictures.largePhoto = pictures.photo;
    const auto quoted = [](const std::filesystem::path& path) { return "'" + path.string() + "'"; };
    // Larger than the screen, so that the fitting runs as it does for real photos.
    Make("convert -size 1600x1200 gradient:orange-navy " + quoted(pictures.photo));
    Make("convert -size 1400x1050 gradient:white-teal -depth 8 " + quoted(pictures.graphic));
    // A preview that covers the menu's 120-pixel box, as scripts/bench.sh makes it.
    const auto preview = folder.Path() / "vorschau.jpg";
    Make("convert " + quoted(pictures.photo) + " -resize 160x120! " + quoted(preview));
    Make("exif --create-exif --insert-thumbnail=" + quoted(preview) + " --output=" +
         quoted(pictures.photoWithPreview) + " " + quoted(pictures.photo) + " >/dev/null");
    return pictures;
}

BenchPictures Find() {
    if (const char* folder = std::getenv("PEXARO_BENCH_PICTURES")) return InFolder(folder);
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

double RasteriserCpuSeconds() {
    double seconds = 0;
    for (const auto& task : std::filesystem::directory_iterator("/proc/self/task")) {
        std::ifstream comm(task.path() / "comm");
        std::string name;
        if (!std::getline(comm, name) || name.rfind("llvmpipe", 0) != 0) continue;
        // The first field of schedstat: nanoseconds on a CPU.
        std::ifstream schedstat(task.path() / "schedstat");
        double nanoseconds = 0;
        if (schedstat >> nanoseconds) seconds += nanoseconds * 1e-9;
    }
    return seconds;
}

void PauseLikeTheMainLoop() { std::this_thread::sleep_for(std::chrono::milliseconds(1)); }

}  // namespace bench
