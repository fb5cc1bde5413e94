// SPDX-License-Identifier: GPL-3.0-or-later
#include "Engine.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <SDL.h>

#include <algorithm>
#include <exception>

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

Engine::Engine(const zr2d::VideoSettings& settings, const std::string& title)
    : settings_(settings),
      maskData_(RgbaMaskData()),
      surfaceManager_(this),
      materials_(this),
      factory_(this),
      glyphAtlas_(this),
      clearColor_(0, 0, 0, 0),
      ledger_(std::make_shared<TextureLedger>()) {
    OpenWindow(title);
    glClearDepth(1.0);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    glEnable(GL_CULL_FACE);
    ClampMaxTextureSize();
}

void Engine::OpenWindow(const std::string& title) {
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
void Engine::ClampMaxTextureSize() {
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

void Engine::Dispose() {
    common::MyLog::Info("Dispose VideoEngine");
    surfaceManager_.FreeAll();
    glyphAtlas_.Free();
    ledger_->ContextGone();
}

void Engine::ShowCursor(bool visible) { SDL_ShowCursor(visible ? 1 : 0); }

void Engine::Set2DView(const common::Point3D& eye, const common::Point3D& center,
                       const common::Point3D& up) {
    const common::Point2D size = settings_.Resolution();
    glViewport(0, 0, static_cast<GLsizei>(size.X()), static_cast<GLsizei>(size.Y()));
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, size.X(), size.Y(), 0, -viewDepth_, viewDepth_);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(eye.X(), eye.Y(), eye.Z(), center.X(), center.Y(), center.Z(), up.X(), up.Y(),
              up.Z());
    glClear(GL_DEPTH_BUFFER_BIT);
}

void Engine::Set3DView(const common::Point3D& eye, const common::Point3D& center,
                       const common::Point3D& up) {
    const common::Point2D size = settings_.Resolution();
    const double halfW = size.X() / 2.0;
    const double halfH = size.Y() / 2.0;
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45.0, size.X() / size.Y(), -viewDepth_, viewDepth_);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(eye.X() + halfW, eye.Y() + halfH, eye.Z() - 1000.0, center.X() + halfW,
              center.Y() + halfH, center.Z(), up.X(), up.Y(), up.Z());
    glClear(GL_DEPTH_BUFFER_BIT);
}

float Engine::ViewDepth() const { return viewDepth_; }

void Engine::InitFrame() {
    alphaStack_.clear();
    videoInfo_.Reset();
    glClearColor(clearColor_.RedF(), clearColor_.GreenF(), clearColor_.BlueF(),
                 clearColor_.AlphaF());
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

void Engine::EndFrame() { SDL_GL_SwapBuffers(); }

void Engine::ToggleFullscreen() {
    if (WindowExtras::ToggleFullscreen(settings_.WindowScale())) {
        common::MyLog::Info("Vollbild umgeschaltet");
    } else {
        common::MyLog::Info(std::string("Vollbild nicht umschaltbar: ") + SDL_GetError());
    }
}

common::Point2D Engine::ScreenSize() const { return settings_.Resolution(); }

common::Color Engine::ClearColor() const { return clearColor_; }

void Engine::SetClearColor(const common::Color& color) { clearColor_ = color; }

Materials& Engine::Materials() { return materials_; }

const MaskData& Engine::MaskData() const { return maskData_; }

Factory& Engine::Factory() { return factory_; }

const VideoSettings& Engine::VideoSettings() const { return settings_; }

const VideoInfo& Engine::VideoInfo() const { return videoInfo_; }

SurfaceManager& Engine::SurfaceManager() { return surfaceManager_; }

int32_t Engine::LiveTextureCount() const { return ledger_->Live(); }

const std::shared_ptr<TextureLedger>& Engine::Ledger() const { return ledger_; }

}  // namespace zr2d
