// SPDX-License-Identifier: GPL-3.0-or-later
#include "Common/FileSystem/AtomicFile.h"

#include <algorithm>
#include <string>
#include <system_error>

#include "Common/Exception.h"
#include "WideName.h"
#include "WindowsHandle.h"

namespace common {
namespace {

[[noreturn]] void ThrowSystemError(const std::string& what, const std::string& path, DWORD error) {
    throw Exception(what + " " + path + ": " +
                    std::system_category().message(static_cast<int>(error)));
}

class TemporaryFile {
  public:
    explicit TemporaryFile(const std::string& target) : handle_(INVALID_HANDLE_VALUE) {
        // Beside the target, so that the move stays on one volume; a leftover of an earlier
        // run is never written through.
        for (unsigned n = 0; n < 100 && !handle_; ++n) {
            path_ =
                target + "." + std::to_string(::GetCurrentProcessId()) + "-" + std::to_string(n);
            wide_ = WideName(path_);
            handle_ = WindowsHandle(::CreateFileW(wide_.c_str(), GENERIC_WRITE, 0, nullptr,
                                                  CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
            if (!handle_ && ::GetLastError() != ERROR_FILE_EXISTS) break;
        }
        if (!handle_) ThrowSystemError("Cannot create", path_, ::GetLastError());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() {
        if (committed_) return;
        handle_.Close();
        ::DeleteFileW(wide_.c_str());
    }

    void WriteAll(std::string_view bytes) {
        while (!bytes.empty()) {
            const auto chunk = static_cast<DWORD>(std::min<size_t>(bytes.size(), 1u << 30));
            DWORD written = 0;
            if (!::WriteFile(handle_.Get(), bytes.data(), chunk, &written, nullptr)) {
                ThrowSystemError("Cannot write", path_, ::GetLastError());
            }
            bytes.remove_prefix(written);
        }
        if (!::FlushFileBuffers(handle_.Get())) {
            ThrowSystemError("Cannot flush", path_, ::GetLastError());
        }
        if (!handle_.Close()) ThrowSystemError("Cannot close", path_, ::GetLastError());
    }

    void MoveTo(const std::string& target) {
        if (!::MoveFileExW(wide_.c_str(), WideName(target).c_str(),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            ThrowSystemError("Cannot replace", target, ::GetLastError());
        }
        committed_ = true;
    }

  private:
    std::string path_;
    std::wstring wide_;
    WindowsHandle handle_;
    bool committed_ = false;
};

}  // namespace

void AtomicFile::Write(const std::string& fileName, std::string_view bytes) {
    // The move would replace a file its owner made read-only; refuse like a plain write would.
    const DWORD attributes = ::GetFileAttributesW(WideName(fileName).c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        ThrowSystemError("Cannot write", fileName, ERROR_ACCESS_DENIED);
    }
    TemporaryFile temporary(fileName);
    temporary.WriteAll(bytes);
    temporary.MoveTo(fileName);
}

}  // namespace common
