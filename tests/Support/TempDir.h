// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>
#include <string>

#include "Common/Platform/Utf8Path.h"

namespace testsupport {

// A fresh folder under the system's temp folder, removed with everything in it.
class TempDir {
  public:
    // A folder this call made itself (no mkdtemp on Windows): one already there is not taken.
    TempDir() {
        std::random_device device;
        for (int attempt = 0; attempt < 100; ++attempt) {
            path_ = std::filesystem::temp_directory_path() / ("pexaro-" + std::to_string(device()));
            if (std::filesystem::create_directory(path_)) {
                std::filesystem::permissions(path_, std::filesystem::perms::owner_all);
                return;
            }
        }
        throw std::runtime_error("no free temporary folder");
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }

    const std::filesystem::path& Path() const { return path_; }
    // UTF-8, like every name the game passes around.
    std::string File(const std::string& name) const {
        return common::Utf8Path::Text(path_ / common::Utf8Path::From(name));
    }

    void Write(const std::string& name, const std::string& bytes) const {
        std::ofstream(common::Utf8Path::From(File(name)), std::ios::binary) << bytes;
    }
    std::string Read(const std::string& name) const {
        std::ifstream in(common::Utf8Path::From(File(name)), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

  private:
    std::filesystem::path path_;
};

}  // namespace testsupport
