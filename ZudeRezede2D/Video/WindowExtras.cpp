// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowExtras.h"

#include <SDL.h>
#include <SDL_image.h>

#include <cstdlib>

#include "Common/Helper.h"
#include "Common/MyLog.h"
#include "Common/Platform/Platform.h"
#include "SdlResources.h"

namespace zr2d {

std::string WindowExtras::LibraryText() {
    const SDL_version* version = SDL_Linked_Version();
    std::string text = "SDL " + std::to_string(version->major) + "." +
                       std::to_string(version->minor) + "." + std::to_string(version->patch);
    const std::string library =
        common::Platform::ModuleFileOf(reinterpret_cast<const void*>(&SDL_Init));
    if (!library.empty()) text += " aus " + library;
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
    common::Platform::SetEnvironment("SDL12COMPAT_WINDOW_SCALING",
                                     common::Helper::FloatToString(scale), true);
}

void WindowExtras::SetIcon(const std::string& file) {
    const SdlSurfacePtr icon(IMG_Load(file.c_str()));
    if (!icon) {
        common::MyLog::Info("Fenstersymbol " + file + " nicht lesbar: " + IMG_GetError());
        return;
    }
    SDL_WM_SetIcon(icon.Get(), nullptr);
}

bool WindowExtras::ToggleFullscreen(float scale) {
    SDL_Surface* screen = SDL_GetVideoSurface();
    if (!screen) return false;
    // The library over SDL2 (versions from 1.2.50) leaves a full screen for the size the window had
    // before, unscaled if it opened in full screen; a mode set afresh scales it.
    const SDL_version* version = SDL_Linked_Version();
    if ((screen->flags & SDL_FULLSCREEN) && scale != 1.0f && version->patch >= 50) {
        return SDL_SetVideoMode(screen->w, screen->h, screen->format->BitsPerPixel,
                                screen->flags & ~SDL_FULLSCREEN) != nullptr;
    }
    return SDL_WM_ToggleFullScreen(screen) == 1;
}

}  // namespace zr2d
