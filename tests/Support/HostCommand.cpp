// SPDX-License-Identifier: GPL-3.0-or-later
#include "HostCommand.h"

#include <cstdlib>

#ifdef _WIN32
#include <windows.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#endif

namespace testsupport {

#ifndef _WIN32

int HostCommand(const std::string& command) { return std::system(command.c_str()); }

#else

namespace {

std::wstring Wide(const std::string& text) {
    const int length = ::MultiByteToWideChar(CP_UTF8, 0, text.data(),
                                             static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                          length);
    return wide;
}

std::string Narrow(const std::wstring& wide) {
    const int length = ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                             nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<size_t>(length), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), text.data(),
                          length, nullptr, nullptr);
    return text;
}

template <typename Function>
Function WineFunction(const char* name) {
    const auto function = reinterpret_cast<Function>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"kernel32"), name)));
    if (!function) throw std::runtime_error(std::string("not under Wine: no ") + name);
    return function;
}

// Wine's own translation of a Windows path into the host's.
std::string HostPath(const std::string& windowsPath) {
    static const auto toHost =
        WineFunction<char*(CDECL*)(const wchar_t*)>("wine_get_unix_file_name");
    char* hostPath = toHost(Wide(windowsPath).c_str());
    if (!hostPath) throw std::runtime_error("no host path for " + windowsPath);
    std::string result = hostPath;
    ::HeapFree(::GetProcessHeap(), 0, hostPath);
    return result;
}

// Each "X:\..." or "X:/..." that starts a word, up to a quote, a blank or the end.
std::string WithHostPaths(const std::string& command) {
    std::string result;
    size_t at = 0;
    while (at < command.size()) {
        const auto letter = static_cast<unsigned char>(command[at]);
        const bool startsWord =
            at == 0 || !std::isalnum(static_cast<unsigned char>(command[at - 1]));
        if (startsWord && std::isalpha(letter) && command.compare(at + 1, 1, ":") == 0 &&
            at + 2 < command.size() && (command[at + 2] == '\\' || command[at + 2] == '/')) {
            const size_t end = std::min(command.find_first_of("'\" ", at), command.size());
            result += HostPath(command.substr(at, end - at));
            at = end;
        } else {
            result += command[at++];
        }
    }
    return result;
}

// One argument as Windows' command-line rules read it back: quoted, quotes and the backslashes
// before them escaped.
std::wstring Quoted(const std::wstring& argument) {
    std::wstring quoted = L"\"";
    size_t backslashes = 0;
    for (const wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(2 * backslashes, L'\\');
    return quoted + L"\"";
}

}  // namespace

// Wine starts a host program but neither waits for it nor learns its exit status: the shell
// leaves the status in a file, moved into place once complete.
int HostCommand(const std::string& command) {
    static const auto toWindows =
        WineFunction<wchar_t*(CDECL*)(const char*)>("wine_get_dos_file_name");
    wchar_t* shell = toWindows("/bin/sh");
    if (!shell) throw std::runtime_error("no /bin/sh on the host");
    const std::wstring program = shell;
    ::HeapFree(::GetProcessHeap(), 0, shell);

    wchar_t folder[MAX_PATH];
    wchar_t statusName[MAX_PATH];
    if (!::GetTempPathW(MAX_PATH, folder) || !::GetTempFileNameW(folder, L"hc", 0, statusName)) {
        throw std::runtime_error("no temporary file for a host command's status");
    }
    ::DeleteFileW(statusName);
    const std::string status = HostPath(Narrow(statusName));

    // Wine hands a host program the Windows PATH, which names no host folder.
    const std::string script = "PATH=/usr/local/bin:/usr/bin:/bin; (" + WithHostPaths(command) +
                               "); echo $? >'" + status + ".part'; mv '" + status + ".part' '" +
                               status + "'";
    std::wstring line = L"sh -c " + Quoted(Wide(script));
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!::CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          nullptr, &startup, &process)) {
        return -1;
    }
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    for (int waited = 0; ::GetFileAttributesW(statusName) == INVALID_FILE_ATTRIBUTES; ++waited) {
        if (waited > 60000) throw std::runtime_error("host command did not end: " + command);
        ::Sleep(10);
    }
    std::ifstream in{std::filesystem::path(statusName)};
    int result = -1;
    in >> result;
    in.close();
    ::DeleteFileW(statusName);
    return result;
}

#endif

}  // namespace testsupport
