// SPDX-License-Identifier: GPL-3.0-or-later
#include "TemporaryCopy.h"

#include <fcntl.h>
#include <sys/sendfile.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "../Helper.h"
#include "../MyLog.h"
#include "../UniqueResource.h"

namespace common {
namespace {

// All size bytes from in (from its start) to out.
bool CopyAll(int in, int out, off_t size) {
    off_t offset = 0;
    while (offset < size) {
        const ssize_t sent = ::sendfile(out, in, &offset, static_cast<size_t>(size - offset));
        if (sent <= 0) return false;
    }
    return true;
}

}  // namespace

std::optional<std::string> TemporaryCopy::Create(const std::string& path,
                                                 const std::string& prefix) {
    const std::string extension = std::filesystem::path(path).extension().string();
    const FileDescriptor in(::open(path.c_str(), O_RDONLY));
    struct stat status {};
    if (in.Get() < 0 || ::fstat(in.Get(), &status) != 0 || !S_ISREG(status.st_mode)) {
        Helper::Fail("Datei " + path + " kann nicht gelesen werden");
    }
    for (int n = -1; n < 10000; ++n) {
        const std::string name = prefix + (n < 0 ? std::string() : std::to_string(n)) + extension;
        const FileDescriptor out(
            ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW, 0600));
        if (out.Get() < 0) {
            if (errno == EEXIST) continue;
            MyLog::Warning("Temporäre Datei " + name + " kann nicht angelegt werden");
            return std::nullopt;
        }
        if (!CopyAll(in.Get(), out.Get(), status.st_size)) {
            ::unlink(name.c_str());
            MyLog::Warning("Temporäre Datei " + name + " kann nicht geschrieben werden");
            return std::nullopt;
        }
        return name;
    }
    MyLog::Warning("Keine freie temporäre Datei für " + path);
    return std::nullopt;
}

}  // namespace common
