// SPDX-License-Identifier: GPL-3.0-or-later
#include "Utf8.h"

#include <utf8proc.h>

#include <cstdlib>

#include "UniqueResource.h"

namespace common {
namespace {

constexpr utf8proc_int32_t kInvalid = -1;

// visit(codePoint, start, length) for each character; an invalid byte comes as kInvalid, 1 long.
template <typename Visit>
void ForEachCharacter(const std::string& text, Visit visit) {
    const auto* bytes = reinterpret_cast<const utf8proc_uint8_t*>(text.data());
    const auto length = static_cast<utf8proc_ssize_t>(text.size());
    utf8proc_ssize_t at = 0;
    while (at < length) {
        utf8proc_int32_t codePoint = 0;
        utf8proc_ssize_t used = utf8proc_iterate(bytes + at, length - at, &codePoint);
        if (used <= 0) {
            codePoint = kInvalid;
            used = 1;
        }
        visit(codePoint, static_cast<size_t>(at), static_cast<size_t>(used));
        at += used;
    }
}

std::string Encoded(utf8proc_int32_t codePoint) {
    utf8proc_uint8_t encoded[4];
    const auto size = utf8proc_encode_char(codePoint, encoded);
    return std::string(reinterpret_cast<const char*>(encoded), static_cast<size_t>(size));
}

}  // namespace

std::vector<std::string> Utf8::Characters(const std::string& text) {
    std::vector<std::string> characters;
    ForEachCharacter(text, [&](utf8proc_int32_t codePoint, size_t, size_t) {
        characters.push_back(Encoded(codePoint == kInvalid ? 0xFFFD : codePoint));
    });
    return characters;
}

std::string Utf8::WithoutLastCharacter(const std::string& text) {
    size_t last = 0;
    ForEachCharacter(text, [&](utf8proc_int32_t, size_t start, size_t) { last = start; });
    return text.substr(0, last);
}

std::string Utf8::Lower(const std::string& text) {
    std::string lower;
    ForEachCharacter(text, [&](utf8proc_int32_t codePoint, size_t start, size_t length) {
        lower += codePoint == kInvalid ? text.substr(start, length)
                                       : Encoded(utf8proc_tolower(codePoint));
    });
    return lower;
}

std::string Utf8::CaseFolded(const std::string& text) {
    utf8proc_uint8_t* folded = nullptr;
    const auto length =
        utf8proc_map(reinterpret_cast<const utf8proc_uint8_t*>(text.c_str()), 0, &folded,
                     static_cast<utf8proc_option_t>(UTF8PROC_NULLTERM | UTF8PROC_CASEFOLD));
    if (length < 0) return text;
    const UniqueResource<utf8proc_uint8_t*, &std::free> owner(folded);
    return std::string(reinterpret_cast<const char*>(folded), static_cast<size_t>(length));
}

}  // namespace common
