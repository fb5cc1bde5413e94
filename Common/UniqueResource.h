// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <type_traits>
#include <utility>

namespace common {

// Sole owner of a handle from a C interface: Free runs once, when the owner goes or is given
// another handle. kNone marks "no handle" and is never freed.
template <typename Handle, auto Free, Handle kNone = Handle{}>
class UniqueResource {
  public:
    UniqueResource() = default;
    explicit UniqueResource(Handle handle) : handle_(handle) {}
    ~UniqueResource() { Reset(); }
    UniqueResource(UniqueResource&& other) noexcept : handle_(other.Release()) {}
    UniqueResource& operator=(UniqueResource&& other) noexcept {
        Reset(other.Release());
        return *this;
    }
    UniqueResource(const UniqueResource&) = delete;
    UniqueResource& operator=(const UniqueResource&) = delete;

    Handle Get() const { return handle_; }
    Handle operator->() const requires std::is_pointer_v<Handle> { return handle_; }
    auto& operator*() const requires std::is_pointer_v<Handle> { return *handle_; }
    explicit operator bool() const { return handle_ != kNone; }
    // Hands the handle over, for a release whose result matters.
    Handle Release() { return std::exchange(handle_, kNone); }
    void Reset(Handle handle = kNone) {
        const Handle old = std::exchange(handle_, handle);
        if (old != kNone) Free(old);
    }

  private:
    Handle handle_ = kNone;
};

}  // namespace common
