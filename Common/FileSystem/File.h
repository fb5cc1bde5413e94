// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace common {

// Text files as lines, and any file's bytes.
class File {
  public:
    File() = delete;

    // Lines without their terminator (LF or CR LF); empty lines kept. A missing file throws
    // "Datei <name> ist nicht vorhanden".
    static std::vector<std::string> ReadLines(const std::string& fileName);
    // Every line followed by CR LF; replaces the file as a whole.
    static void WriteLines(const std::vector<std::string>& lines, const std::string& fileName);
    // The whole content; a file that cannot be opened or read throws.
    static std::string ReadBytes(const std::string& fileName);
};

}  // namespace common
