// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace pexaro {

// A folder's entries by name, sorted the same way on every machine: by the case-folded name's
// bytes, ties by the raw bytes.
class FolderListing {
  public:
    FolderListing() = delete;

    // Names (without folder) of the regular files; throws std::filesystem::filesystem_error.
    static std::vector<std::string> Files(const std::filesystem::path& folder);
    // Names of the subfolders.
    static std::vector<std::string> Subfolders(const std::filesystem::path& folder);
    static void Sort(std::vector<std::string>& names);
};

}  // namespace pexaro
