// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace fuzzing {

// For readers that only read files: one temporary file per process, rewritten with every input
// and removed when the process ends normally. A crashing run leaves it behind, so scripts/fuzz.sh
// points TMPDIR at a scratch folder of its own.
class FuzzInputFile {
  public:
    // The path of the file that now holds exactly these bytes.
    static const std::string& Write(const uint8_t* data, size_t size) {
        static FuzzInputFile file;
        std::ofstream out(file.path_, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
        out.close();
        if (!out) std::abort();  // a harness that cannot write its input tests nothing
        return file.path_;
    }

  private:
    FuzzInputFile() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "pexaro-fuzz-XXXXXX").string();
        const int fd = ::mkstemp(pattern.data());
        if (fd < 0) std::abort();
        ::close(fd);
        path_ = pattern;
    }
    ~FuzzInputFile() { std::filesystem::remove(path_); }

    std::string path_;
};

}  // namespace fuzzing
