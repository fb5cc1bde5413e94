// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace common {

// What the operating system does differently, for the rest of the program to stay the same on
// POSIX systems and on Windows. Every name passed in or handed out is UTF-8.
class Platform {
  public:
    Platform() = delete;

    enum class CopyResult { Copied, SourceUnreadable, TargetExists, TargetUncreatable, Unwritten };

    // The program's arguments in UTF-8; Windows hands main() the ANSI code page's.
    static std::vector<std::string> Arguments(int argc, char** argv);
    // The console shows the log's UTF-8 text as such.
    static void PrepareConsole();
    // Past a file size limit a write fails and is reported instead of ending the program.
    static void IgnoreFileSizeLimit();
    // Sets an environment variable, unless it is set already and overwrite is false.
    static void SetEnvironment(const std::string& name, const std::string& value, bool overwrite);
    // The file of the loaded library or program holding address; empty when unknown.
    static std::string ModuleFileOf(const void* address);
    // std::fopen by a UTF-8 name.
    static std::FILE* OpenFile(const std::string& fileName, const char* mode);
    // Copies the regular file source to target, which is created exclusively: an existing file
    // or link of that name is never written through. A partial copy is removed.
    static CopyResult CopyToNewFile(const std::string& source, const std::string& target);
};

}  // namespace common
