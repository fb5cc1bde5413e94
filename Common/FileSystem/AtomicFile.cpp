#include "AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "../Exception.h"

namespace common {
namespace {

[[noreturn]] void ThrowSystemError(const std::string& what, const std::string& path, int error) {
    throw Exception(what + " " + path + ": " + std::strerror(error));
}

class TemporaryFile {
  public:
    explicit TemporaryFile(const std::string& target) : path_(target + ".XXXXXX") {
        fd_ = ::mkstemp(path_.data());
        if (fd_ < 0) ThrowSystemError("Cannot create", path_, errno);
        // mkstemp creates 0600; a replaced file should look like any file the user creates.
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(fd_, 0666 & ~mask);
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() {
        if (fd_ >= 0) ::close(fd_);
        if (!committed_) ::unlink(path_.c_str());
    }

    void WriteAll(std::string_view bytes) {
        while (!bytes.empty()) {
            const ssize_t written = ::write(fd_, bytes.data(), bytes.size());
            if (written < 0 && errno == EINTR) continue;
            if (written <= 0) ThrowSystemError("Cannot write", path_, written < 0 ? errno : ENOSPC);
            bytes.remove_prefix(static_cast<size_t>(written));
        }
        if (::fsync(fd_) != 0) ThrowSystemError("Cannot flush", path_, errno);
        const int fd = fd_;
        fd_ = -1;
        if (::close(fd) != 0) ThrowSystemError("Cannot close", path_, errno);
    }

    void RenameTo(const std::string& target) {
        if (::rename(path_.c_str(), target.c_str()) != 0) {
            ThrowSystemError("Cannot replace", target, errno);
        }
        committed_ = true;
    }

  private:
    std::string path_;
    int fd_ = -1;
    bool committed_ = false;
};

}  // namespace

void AtomicFile::Write(const std::string& fileName, std::string_view bytes) {
    TemporaryFile temporary(fileName);
    temporary.WriteAll(bytes);
    temporary.RenameTo(fileName);
}

}  // namespace common
