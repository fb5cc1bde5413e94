// SPDX-License-Identifier: GPL-3.0-or-later
#include "FolderListing.h"

#include <algorithm>

#include "Common/Platform/Utf8Path.h"
#include "Common/Utf8.h"

namespace pexaro {
namespace {

template <typename Keep>
std::vector<std::string> Names(const std::filesystem::path& folder, Keep keep) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        std::error_code ignored;
        if (keep(entry, ignored)) names.push_back(common::Utf8Path::Text(entry.path().filename()));
    }
    FolderListing::Sort(names);
    return names;
}

}  // namespace

std::vector<std::string> FolderListing::Files(const std::filesystem::path& folder) {
    return Names(folder, [](const auto& entry, std::error_code& error) {
        return entry.is_regular_file(error);
    });
}

std::vector<std::string> FolderListing::Subfolders(const std::filesystem::path& folder) {
    return Names(folder, [](const auto& entry, std::error_code& error) {
        return entry.is_directory(error);
    });
}

void FolderListing::Sort(std::vector<std::string>& names) {
    std::vector<std::pair<std::string, std::string>> keyed;
    for (auto& name : names) keyed.emplace_back(common::Utf8::CaseFolded(name), std::move(name));
    std::sort(keyed.begin(), keyed.end());
    names.clear();
    for (auto& [key, name] : keyed) names.push_back(std::move(name));
}

}  // namespace pexaro
