// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>

namespace bench {

// The pictures of the picture pipeline: a camera photo (JPEG), the same photo with a camera's
// preview in its EXIF block, a large graphic (PNG) and a very large photo (JPEG).
// scripts/bench.sh makes full-size ones (12, 4 and 50 megapixels) and names their folder in
// PEXARO_BENCH_PICTURES; without it, small stand-ins are made once per process, so that a
// smoke run stays quick.
struct BenchPictures {
    std::filesystem::path photo;
    std::filesystem::path photoWithPreview;
    std::filesystem::path graphic;
    std::filesystem::path largePhoto;
};

const BenchPictures& Pictures();

// Copies the game's sample sets (data/bilder) into the folder.
void CopySampleSets(const std::filesystem::path& bilder);

// CPU time of the calling thread, in seconds.
double ThreadCpuSeconds();

// CPU time so far of the software renderer's rasteriser threads in this process (Mesa's
// llvmpipe names them "llvmpipe-N"), in seconds; 0 under a renderer without such threads.
double RasteriserCpuSeconds();

// Between two frames, as the engine's main loop pauses, so that the decoding workers get the
// cores.
void PauseLikeTheMainLoop();

}  // namespace bench
