// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowExtras.h"

#include <SDL.h>
#include <SDL_image.h>
#include <dlfcn.h>

#include <cstdlib>

#include "Common/Helper.h"
#include "Common/MyLog.h"
#include "SdlResources.h"

namespace zr2d {

std::string WindowExtras::LibraryText() {
    const SDL_version* version = SDL_Linked_Version();
    std::string text = "SDL " + std::to_string(version->major) + "." +
                       std::to_string(version->minor) + "." + std::to_string(version->patch);
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&SDL_Init), &info) != 0 && info.dli_fname) {
        text += std::string(" aus ") + info.dli_fname;
    }
    return text;
}

bool WindowExtras::DrawsUnseen() {
    if (std::getenv("SDL_VIDEODRIVER")) return false;
    char name[32] = {};
    if (!SDL_VideoDriverName(name, sizeof name)) return false;
    const std::string driver = name;
    return driver == "offscreen" || driver == "dummy";
}

void WindowExtras::RequestScale(float scale) {
    if (scale == 1.0f) return;
    setenv("SDL12COMPAT_WINDOW_SCALING", common::Helper::FloatToString(scale).c_str(), 1);
}

void WindowExtras::SetIcon(const std::string& file) {
    const SdlSurfacePtr icon(IMG_Load(file.c_str()));
    if (!icon) {
        common::MyLog::Info("Fenstersymbol " + file + " nicht lesbar: " + IMG_GetError());
        return;
    }
    SDL_WM_SetIcon(icon.Get(), nullptr);
}

bool WindowExtras::ToggleFullscreen() {
    SDL_Surface* screen = SDL_GetVideoSurface();
    return screen && SDL_WM_ToggleFullScreen(screen) == 1;
}

}  // namespace zr2d
