// SPDX-License-Identifier: GPL-3.0-or-later
#include "Common/Platform/Platform.h"

#include <dlfcn.h>
#include <fcntl.h>
#include <sys/sendfile.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>

#include "FileDescriptor.h"

namespace common {
namespace {

// All size bytes from in (from its start) to out. The kernel copies them: a photo's megabytes
// never pass through the program.
bool CopyAll(int in, int out, off_t size) {
    off_t offset = 0;
    while (offset < size) {
        const ssize_t sent = ::sendfile(out, in, &offset, static_cast<size_t>(size - offset));
        if (sent <= 0) return false;
    }
    return true;
}

}  // namespace

std::vector<std::string> Platform::Arguments(int argc, char** argv) {
    return std::vector<std::string>(argv, argv + argc);
}

void Platform::PrepareConsole() {
    // Terminals take the bytes as they come.
}

void Platform::IgnoreFileSizeLimit() { std::signal(SIGXFSZ, SIG_IGN); }

void Platform::SetEnvironment(const std::string& name, const std::string& value, bool overwrite) {
    ::setenv(name.c_str(), value.c_str(), overwrite ? 1 : 0);
}

std::string Platform::ModuleFileOf(const void* address) {
    Dl_info info{};
    if (::dladdr(address, &info) == 0 || !info.dli_fname) return {};
    return info.dli_fname;
}

std::FILE* Platform::OpenFile(const std::string& fileName, const char* mode) {
    return std::fopen(fileName.c_str(), mode);
}

Platform::CopyResult Platform::CopyToNewFile(const std::string& source, const std::string& target) {
    const FileDescriptor in(::open(source.c_str(), O_RDONLY));
    struct stat status {};
    if (in.Get() < 0 || ::fstat(in.Get(), &status) != 0 || !S_ISREG(status.st_mode)) {
        return CopyResult::SourceUnreadable;
    }
    const FileDescriptor out(
        ::open(target.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW, 0600));
    if (out.Get() < 0) {
        return errno == EEXIST ? CopyResult::TargetExists : CopyResult::TargetUncreatable;
    }
    if (!CopyAll(in.Get(), out.Get(), status.st_size)) {
        ::unlink(target.c_str());
        return CopyResult::Unwritten;
    }
    return CopyResult::Copied;
}

}  // namespace common
