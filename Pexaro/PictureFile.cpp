// SPDX-License-Identifier: GPL-3.0-or-later
#include "PictureFile.h"

#include <array>
#include <cstdlib>

#include "Common/Exception.h"
#include "Common/MyLog.h"
#include "Common/Utf8.h"

namespace pexaro {
namespace {

std::array<int32_t, 26> LetterCounts(const std::string& text) {
    std::array<int32_t, 26> counts{};
    for (const char c : text) {
        if (c >= 'a' && c <= 'z') ++counts[static_cast<size_t>(c - 'a')];
    }
    return counts;
}

}  // namespace

std::string PictureFile::Answer() const { return fileName_.substr(0, fileName_.rfind('.')); }

bool PictureFile::IsPictureFile(const std::string& fileName) {
    if (fileName.size() <= 4) {
        throw common::Exception("Der Dateiname " + fileName +
                                " kann nicht verarbeitet werden, da er zu kurz ist.");
    }
    std::string lower = fileName;
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    for (const char* extension : {".jpg", ".bmp", ".png"}) {
        if (lower.find(extension) == lower.size() - 4) return true;
    }
    return false;
}

int32_t PictureFile::CheckName(const std::string& entered) const {
    const std::string answer = Answer();
    common::MyLog::Info(" entered: " + entered + "CheckName: " + answer);
    const std::string a = common::Utf8::Lower(answer);
    const std::string b = common::Utf8::Lower(entered);
    size_t same = 0;
    for (size_t i = 0; i < std::min(a.size(), b.size()); ++i) {
        if (a[i] == b[i]) ++same;
    }
    if (same == a.size()) return 10;
    const auto countsA = LetterCounts(a);
    const auto countsB = LetterCounts(b);
    int64_t diff = 0;
    for (size_t i = 0; i < countsA.size(); ++i) diff += std::abs(countsA[i] - countsB[i]);
    // 10 - (10 / len) * diff, truncated toward zero; in integers, so that no rounding turns an
    // exact 5 into 4.999...
    const auto length = static_cast<int64_t>(a.size());
    return static_cast<int32_t>((10 * length - 10 * diff) / length);
}

}  // namespace pexaro
