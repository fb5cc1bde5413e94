// SPDX-License-Identifier: GPL-3.0-or-later
#include "Window.h"

#include <GL/gl.h>
#include <SDL.h>

#include <algorithm>

#include "Common/Exception.h"
#include "Common/Helper.h"
#include "Common/MyLog.h"
#include "Common/Platform/Platform.h"
#include "WindowExtras.h"

namespace zr2d {
namespace {

// The smallest edge the splitter can work with: parts are never below 8 pixels.
constexpr int32_t kSmallestTextureEdge = 8;

void SetColourAttributes(int32_t bitsPerPixel) {
    if (bitsPerPixel == 32) {
        SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
        SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
        SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
        SDL_GL_SetAttribute(SDL_GL_ALPHA_SIZE, 8);
    } else if (bitsPerPixel == 16) {
        SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 5);
        SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 5);
        SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 6);
    } else {
        throw common::Exception("Ungültiger Farbmodus, Bit: " + std::to_string(bitsPerPixel));
    }
}

}  // namespace

Window::Window(const zr2d::VideoSettings& settings, const std::string& title)
    : settings_(settings) {
    Open(title);
    glClearDepth(1.0);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    glEnable(GL_CULL_FACE);
    ClampMaxTextureSize();
}

void Window::Open(const std::string& title) {
    // The classic SDL 1.2 opens the window wherever the window system puts it (the top left corner
    // without a window manager), sdl12-compat centres it: centred on both. A position the player
    // set (SDL_VIDEO_WINDOW_POS) still wins.
    common::Platform::SetEnvironment("SDL_VIDEO_CENTERED", "1", false);
    WindowExtras::RequestScale(settings_.WindowScale());
    if (SDL_Init(SDL_INIT_VIDEO) == -1) {
        common::Helper::Fail(std::string("Can't initialize SDL:\n") + SDL_GetError());
    }
    common::MyLog::Info(WindowExtras::LibraryText());
    // Without a display the classic SDL fails here, sdl12-compat would run the game unseen, with
    // no way to end it: fail alike.
    if (WindowExtras::DrawsUnseen()) {
        common::Helper::Fail("Can't set Videomode: \nno display to draw on");
    }
    // The library takes the icon only before the window opens.
    if (!settings_.IconFile().empty()) WindowExtras::SetIcon(settings_.IconFile());
    SetColourAttributes(settings_.BitsPerPixel());
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 16);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    // Swaps wait for the display's refresh where the driver offers it, so that a real GPU does
    // not spin a core at thousands of frames; without it (as under Xvfb) nothing changes.
    SDL_GL_SetAttribute(SDL_GL_SWAP_CONTROL, 1);
    Uint32 flags = SDL_OPENGL | SDL_HWACCEL | SDL_HWPALETTE | SDL_DOUBLEBUF;
    if (settings_.Fullscreen()) flags |= SDL_FULLSCREEN;
    const common::Point2D resolution = settings_.Resolution();
    if (!SDL_SetVideoMode(static_cast<int>(resolution.X()), static_cast<int>(resolution.Y()),
                          settings_.BitsPerPixel(), flags)) {
        common::Helper::Fail(std::string("Can't set Videomode: \n") + SDL_GetError());
    }
    SDL_WM_SetCaption(title.c_str(), nullptr);
}

// The setting comes from a text file: 0, negative or huge values would make the splitter
// loop forever or ask OpenGL for textures it cannot hold.
void Window::ClampMaxTextureSize() {
    GLint largest = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &largest);
    const int32_t wanted = settings_.MaxTextureSize();
    const int32_t usable =
        std::clamp(wanted, kSmallestTextureEdge, std::max(largest, kSmallestTextureEdge));
    if (usable == wanted) return;
    common::MyLog::Warning("maxTextureSize " + std::to_string(wanted) +
                           " ist nicht nutzbar, verwende " + std::to_string(usable));
    settings_ = zr2d::VideoSettings(settings_.Resolution(), settings_.BitsPerPixel(),
                                    settings_.Fullscreen(), usable, settings_.WindowScale(),
                                    settings_.IconFile());
}

void Window::ShowCursor(bool visible) { SDL_ShowCursor(visible ? 1 : 0); }

void Window::SwapBuffers() { SDL_GL_SwapBuffers(); }

void Window::ToggleFullscreen() {
    if (WindowExtras::ToggleFullscreen(settings_.WindowScale())) {
        common::MyLog::Info("Vollbild umgeschaltet");
    } else {
        common::MyLog::Info(std::string("Vollbild nicht umschaltbar: ") + SDL_GetError());
    }
}

}  // namespace zr2d
