// SPDX-License-Identifier: GPL-3.0-or-later
#include "Common/FileSystem/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "Common/Exception.h"
#include "FileDescriptor.h"

namespace common {
namespace {

[[noreturn]] void ThrowSystemError(const std::string& what, const std::string& path, int error) {
    throw Exception(what + " " + path + ": " + std::strerror(error));
}

// The file a name leads to through any links. Replacing the link itself would cut it off
// from the file it leads to (a save kept in a synchronised folder).
std::string LinkTarget(const std::string& fileName) {
    std::filesystem::path path(fileName);
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code error;
        if (!std::filesystem::is_symlink(std::filesystem::symlink_status(path, error))) {
            return path.string();
        }
        const std::filesystem::path next = std::filesystem::read_symlink(path, error);
        if (error) ThrowSystemError("Cannot follow", fileName, error.value());
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    ThrowSystemError("Cannot follow", fileName, ELOOP);
}

// The mode, owner and group of the replaced file, or a new file of the user's mode.
void TakeOverAttributes(int fd, const std::string& target) {
    struct stat existing {};
    if (::stat(target.c_str(), &existing) != 0) {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(fd, 0666 & ~mask);
        return;
    }
    ::fchmod(fd, existing.st_mode & 07777);
    if (::fchown(fd, existing.st_uid, existing.st_gid) != 0) {
        // Only root may give a file away; the writer's own file keeps its owner anyway.
    }
}

// Makes the rename itself survive a power cut; best effort, the data is already safe.
void SyncFolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

class TemporaryFile {
  public:
    explicit TemporaryFile(const std::string& target)
        : path_(target + ".XXXXXX"), fd_(::mkstemp(path_.data())) {
        if (fd_.Get() < 0) ThrowSystemError("Cannot create", path_, errno);
        TakeOverAttributes(fd_.Get(), target);
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() {
        if (!committed_) ::unlink(path_.c_str());
    }

    void WriteAll(std::string_view bytes) {
        while (!bytes.empty()) {
            const ssize_t written = ::write(fd_.Get(), bytes.data(), bytes.size());
            if (written < 0 && errno == EINTR) continue;
            if (written <= 0) ThrowSystemError("Cannot write", path_, written < 0 ? errno : ENOSPC);
            bytes.remove_prefix(static_cast<size_t>(written));
        }
        if (::fsync(fd_.Get()) != 0) ThrowSystemError("Cannot flush", path_, errno);
        if (::close(fd_.Release()) != 0) ThrowSystemError("Cannot close", path_, errno);
    }

    void RenameTo(const std::string& target) {
        if (::rename(path_.c_str(), target.c_str()) != 0) {
            ThrowSystemError("Cannot replace", target, errno);
        }
        committed_ = true;
        SyncFolderOf(target);
    }

  private:
    std::string path_;
    FileDescriptor fd_;
    bool committed_ = false;
};

}  // namespace

void AtomicFile::Write(const std::string& fileName, std::string_view bytes) {
    // A rename would replace a file its owner made read-only; refuse like a plain write would.
    if (::access(fileName.c_str(), F_OK) == 0 && ::access(fileName.c_str(), W_OK) != 0) {
        ThrowSystemError("Cannot write", fileName, errno);
    }
    const std::string target = LinkTarget(fileName);
    TemporaryFile temporary(target);
    temporary.WriteAll(bytes);
    temporary.RenameTo(target);
}

}  // namespace common
