// SPDX-License-Identifier: GPL-3.0-or-later
#include "File.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "../Exception.h"
#include "../MyLog.h"
#include "../Platform/Utf8Path.h"
#include "AtomicFile.h"

namespace common {

std::vector<std::string> File::ReadLines(const std::string& fileName) {
    MyLog::Info("Reading File " + fileName);
    const std::filesystem::path path = Utf8Path::From(fileName);
    std::error_code error;
    if (!std::filesystem::exists(path, error)) {
        if (error) throw Exception("Cannot read " + fileName + ": " + error.message());
        throw Exception("Datei " + fileName + " ist nicht vorhanden");
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) throw Exception("Cannot open " + fileName);
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
    }
    if (in.bad()) throw Exception("Cannot read " + fileName);
    MyLog::Info("Reading File success: " + fileName + " Lines: " + std::to_string(lines.size()));
    return lines;
}

void File::WriteLines(const std::vector<std::string>& lines, const std::string& fileName) {
    std::string content;
    for (const auto& line : lines) {
        content += line;
        content += "\r\n";
    }
    AtomicFile::Write(fileName, content);
}

std::string File::ReadBytes(const std::string& fileName) {
    std::ifstream in(Utf8Path::From(fileName), std::ios::binary);
    if (!in) throw Exception("Cannot open " + fileName);
    // A read error (a folder, a disk fault) throws from the stream buffer.
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace common
