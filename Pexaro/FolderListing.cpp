#include "FolderListing.h"

#include <utf8proc.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

namespace pexaro {
namespace {

std::string CaseFolded(const std::string& name) {
    utf8proc_uint8_t* folded = nullptr;
    const auto length =
        utf8proc_map(reinterpret_cast<const utf8proc_uint8_t*>(name.c_str()), 0, &folded,
                     static_cast<utf8proc_option_t>(UTF8PROC_NULLTERM | UTF8PROC_CASEFOLD));
    if (length < 0) return name;  // not valid UTF-8: its bytes as they are
    const std::unique_ptr<utf8proc_uint8_t, decltype(&std::free)> owner(folded, std::free);
    return std::string(reinterpret_cast<const char*>(folded), static_cast<size_t>(length));
}

template <typename Keep>
std::vector<std::string> Names(const std::filesystem::path& folder, Keep keep) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        std::error_code ignored;
        if (keep(entry, ignored)) names.push_back(entry.path().filename().string());
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
    for (auto& name : names) keyed.emplace_back(CaseFolded(name), std::move(name));
    std::sort(keyed.begin(), keyed.end());
    names.clear();
    for (auto& [key, name] : keyed) names.push_back(std::move(name));
}

}  // namespace pexaro
