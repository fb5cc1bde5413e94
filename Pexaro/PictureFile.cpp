#include "PictureFile.h"

#include <utf8proc.h>

#include <array>
#include <cstdlib>

#include "Common/Exception.h"
#include "Common/MyLog.h"

namespace pexaro {
namespace {

// Unicode lower case of every code point; bytes that are no valid UTF-8 stay as they are.
std::string Lower(const std::string& text) {
    std::string lower;
    const auto* bytes = reinterpret_cast<const utf8proc_uint8_t*>(text.data());
    const auto length = static_cast<utf8proc_ssize_t>(text.size());
    utf8proc_ssize_t at = 0;
    while (at < length) {
        utf8proc_int32_t codePoint = 0;
        const utf8proc_ssize_t used = utf8proc_iterate(bytes + at, length - at, &codePoint);
        if (used <= 0) {
            lower += text[static_cast<size_t>(at++)];
            continue;
        }
        utf8proc_uint8_t encoded[4];
        const auto size = utf8proc_encode_char(utf8proc_tolower(codePoint), encoded);
        lower.append(reinterpret_cast<const char*>(encoded), static_cast<size_t>(size));
        at += used;
    }
    return lower;
}

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
    const std::string a = Lower(answer);
    const std::string b = Lower(entered);
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
