// SPDX-License-Identifier: GPL-3.0-or-later
#include "Common/Platform/Platform.h"

#include <cstdlib>
#include <cstring>
#include <vector>

#include "Common/Platform/Utf8Path.h"
#include "Common/UniqueResource.h"
#include "WideName.h"
#include "WindowsHandle.h"

// shellapi.h needs windows.h first.
#include <shellapi.h>

namespace common {
namespace {

bool CopyAll(HANDLE in, HANDLE out) {
    std::vector<char> buffer(1 << 16);
    while (true) {
        DWORD read = 0;
        if (!::ReadFile(in, buffer.data(), static_cast<DWORD>(buffer.size()), &read, nullptr)) {
            return false;
        }
        if (read == 0) return true;
        DWORD written = 0;
        if (!::WriteFile(out, buffer.data(), read, &written, nullptr) || written != read) {
            return false;
        }
    }
}

}  // namespace

std::vector<std::string> Platform::Arguments(int argc, char** argv) {
    int count = 0;
    const common::UniqueResource<LPWSTR*, &::LocalFree> wide(
        ::CommandLineToArgvW(::GetCommandLineW(), &count));
    if (!wide) return std::vector<std::string>(argv, argv + argc);
    std::vector<std::string> arguments;
    for (int i = 0; i < count; ++i) {
        arguments.push_back(Utf8Path::Text(std::filesystem::path(wide.Get()[i])));
    }
    return arguments;
}

void Platform::PrepareConsole() { ::SetConsoleOutputCP(CP_UTF8); }

void Platform::IgnoreFileSizeLimit() {
    // Windows has no file size signal: a full disk is an ordinary write error.
}

void Platform::SetEnvironment(const std::string& name, const std::string& value, bool overwrite) {
    // SDL reads the C runtime's environment (getenv), which _putenv_s updates along with the
    // process's.
    if (!overwrite && std::getenv(name.c_str())) return;
    ::_putenv_s(name.c_str(), value.c_str());
}

std::string Platform::ModuleFileOf(const void* address) {
    HMODULE module = nullptr;
    if (!::GetModuleHandleExW(
            GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
            static_cast<LPCWSTR>(address), &module)) {
        return {};
    }
    std::wstring name(MAX_PATH, L'\0');
    while (true) {
        const DWORD length =
            ::GetModuleFileNameW(module, name.data(), static_cast<DWORD>(name.size()));
        if (length == 0) return {};
        // A full buffer may have cut the name short.
        if (length < name.size()) {
            name.resize(length);
            return Utf8Path::Text(std::filesystem::path(name));
        }
        name.resize(name.size() * 2);
    }
}

std::FILE* Platform::OpenFile(const std::string& fileName, const char* mode) {
    return ::_wfopen(WideName(fileName).c_str(),
                     std::wstring(mode, mode + std::strlen(mode)).c_str());
}

Platform::CopyResult Platform::CopyToNewFile(const std::string& source, const std::string& target) {
    // A folder cannot be opened without FILE_FLAG_BACKUP_SEMANTICS, so only files get through.
    WindowsHandle in(::CreateFileW(WideName(source).c_str(), GENERIC_READ,
                                   FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                   FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!in || ::GetFileType(in.Get()) != FILE_TYPE_DISK) return CopyResult::SourceUnreadable;
    const std::wstring targetName = WideName(target);
    WindowsHandle out(::CreateFileW(targetName.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!out) {
        const DWORD error = ::GetLastError();
        return error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS
                   ? CopyResult::TargetExists
                   : CopyResult::TargetUncreatable;
    }
    const bool copied = CopyAll(in.Get(), out.Get());
    if (!out.Close() || !copied) {
        ::DeleteFileW(targetName.c_str());
        return CopyResult::Unwritten;
    }
    return CopyResult::Copied;
}

}  // namespace common
