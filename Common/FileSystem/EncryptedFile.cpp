// SPDX-License-Identifier: GPL-3.0-or-later
#include "EncryptedFile.h"

#include <filesystem>

#include "../Exception.h"
#include "../MyLog.h"
#include "../Platform/Utf8Path.h"
#include "AtomicFile.h"
#include "File.h"

namespace common {
namespace {

void Combine(std::string& bytes, const std::string& key) {
    if (key.empty()) throw ArgumentException("key is empty");
    size_t k = 0;
    for (char& byte : bytes) {
        byte = static_cast<char>(byte ^ key[k]);
        if (++k == key.size()) k = 0;
    }
}

}  // namespace

void EncryptedFile::Write(const std::string& fileName, const std::string& key,
                          const std::vector<std::string>& lines) {
    MyLog::Info("Starte Verschlüsselung");
    std::string plain;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) plain += '\n';
        plain += lines[i];
    }
    Combine(plain, key);
    AtomicFile::Write(fileName, plain);
}

std::optional<std::vector<std::string>> EncryptedFile::Read(const std::string& fileName,
                                                            const std::string& key) {
    const std::filesystem::path path = Utf8Path::From(fileName);
    std::error_code error;
    if (!std::filesystem::exists(path, error)) {
        // Only a file that is not there is missing; one that cannot be checked is not "no file".
        if (error) throw Exception("Cannot read " + fileName + ": " + error.message());
        MyLog::Info("FILE " + fileName + " does not exist - Cancel Reading.");
        return std::nullopt;
    }
    std::string bytes = File::ReadBytes(fileName);
    std::vector<std::string> lines;
    if (bytes.empty()) return lines;
    Combine(bytes, key);
    size_t start = 0;
    while (true) {
        const size_t end = bytes.find('\n', start);
        std::string line = bytes.substr(start, end == std::string::npos ? end : end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return lines;
}

}  // namespace common
