// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <windows.h>

#include <utility>

namespace common {

// Sole owner of a Windows file handle. INVALID_HANDLE_VALUE is no constant expression, so
// UniqueResource cannot mark "none" with it.
class WindowsHandle {
  public:
    explicit WindowsHandle(HANDLE handle) : handle_(handle) {}
    ~WindowsHandle() { Close(); }
    WindowsHandle(const WindowsHandle&) = delete;
    WindowsHandle& operator=(const WindowsHandle&) = delete;
    WindowsHandle(WindowsHandle&& other) noexcept
        : handle_(std::exchange(other.handle_, INVALID_HANDLE_VALUE)) {}
    WindowsHandle& operator=(WindowsHandle&& other) noexcept {
        Close();
        handle_ = std::exchange(other.handle_, INVALID_HANDLE_VALUE);
        return *this;
    }

    HANDLE Get() const { return handle_; }
    explicit operator bool() const { return handle_ != INVALID_HANDLE_VALUE; }
    // False when closing failed, for a close whose result matters.
    bool Close() {
        const HANDLE old = std::exchange(handle_, INVALID_HANDLE_VALUE);
        return old == INVALID_HANDLE_VALUE || ::CloseHandle(old) != 0;
    }

  private:
    HANDLE handle_;
};

}  // namespace common
