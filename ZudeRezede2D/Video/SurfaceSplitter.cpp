// SPDX-License-Identifier: GPL-3.0-or-later
#include "SurfaceSplitter.h"

#include <GL/gl.h>
// Windows' gl.h stops at OpenGL 1.1, which has no GL_CLAMP_TO_EDGE.
#include <GL/glext.h>
#include <SDL.h>

#include <exception>
#include <memory>
#include <string>

#include "Common/Exception.h"
#include "Common/Helper.h"
#include "Common/MyLog.h"
#include "Engine.h"
#include "SdlResources.h"

namespace zr2d {
namespace {

// SDL_Rect holds 16-bit signed offsets: beyond this edge the splitter would copy the wrong
// pixels, so such pictures are refused instead.
constexpr int kLargestImageEdge = 32767;
constexpr int32_t kSmallestPart = 8;
constexpr int32_t kLargestPart = 4096;
// Parts are always uploaded as RGBA bytes, whatever the window's depth.
constexpr int kPartBitsPerPixel = 32;
constexpr int kPartBytesPerPixel = 4;

SDL_Rect Area(int x, int y, int w, int h) {
    return {static_cast<Sint16>(x), static_cast<Sint16>(y), static_cast<Uint16>(w),
            static_cast<Uint16>(h)};
}

void EndSplitLog() {
    common::MyLog::Info("End Splitt Surface 1");
    common::MyLog::Info("End Splitt Surface 2");
}

}  // namespace

std::shared_ptr<Surfaces> SurfaceSplitter::Convert(SDL_Surface* surface, const std::string& id) {
    common::MyLog::Info("ConvertToSurfaces " + id + " START");
    if (surface->w > kLargestImageEdge || surface->h > kLargestImageEdge) {
        common::Helper::Fail("Bild " + id + " ist zu groß: " + std::to_string(surface->w) + " x " +
                             std::to_string(surface->h));
    }
    const common::Point2D size(static_cast<float>(surface->w), static_cast<float>(surface->h));
    auto result = std::make_shared<zr2d::Surfaces>(id, Split(surface, id), size);
    common::MyLog::Info("ConvertToSurfaces " + id + " END, returning " +
                        std::to_string(result->Parts().size()) + " Surfaces ");
    return result;
}

int32_t SurfaceSplitter::PartSize(int32_t remaining) const {
    if (remaining <= kSmallestPart) return kSmallestPart;
    const int32_t largest = engine_->VideoSettings().MaxTextureSize();
    int32_t edge = kSmallestPart;
    while (edge < remaining && edge < kLargestPart) edge *= 2;
    return std::min(edge, largest);
}

std::vector<Surface> SurfaceSplitter::Split(SDL_Surface* surface, const std::string& id) {
    std::vector<Surface> parts;
    try {
        const int w = surface->w;
        const int h = surface->h;
        for (int x = 0; x < w;) {
            const int dx = PartSize(w - x);
            common::MyLog::Info("deltaX = " + std::to_string(dx));
            const int visibleW = x + dx < w ? dx : w - x;
            for (int y = 0; y < h;) {
                const int dy = PartSize(h - y);
                common::MyLog::Info("deltaY = " + std::to_string(dy));
                const int visibleH = y + dy < h ? dy : h - y;
                const common::Point2D partSize(static_cast<float>(dx), static_cast<float>(dy));
                std::shared_ptr<GlTexture> texture;
                if (visibleW == dx && visibleH == dy && Picture::IsRgba(*surface)) {
                    // Nothing to pad: the part goes up straight from the picture's rows.
                    texture = CreateGlTexture(*surface, x, y, dx, dy);
                } else {
                    const SdlSurfacePtr part(CreateEmptySurface(partSize));
                    SDL_Rect from = Area(x, y, visibleW, visibleH);
                    SDL_Rect to = Area(0, 0, visibleW, visibleH);
                    if (SDL_BlitSurface(surface, &from, part.Get(), &to) != 0) {
                        throw common::Exception("SDL_BlitSurface failed");
                    }
                    texture = CreateGlTexture(*part, 0, 0, dx, dy);
                }
                const common::Point2D position(static_cast<float>(x), static_cast<float>(y));
                parts.emplace_back(std::move(texture), partSize, position);
                common::MyLog::Info("New Surface-Part - Position links: " + position.ToText() + id);
                common::MyLog::Info(
                    "                   rechts       X: " + std::to_string(x + visibleW) +
                    " Y: " + std::to_string(y + visibleH));
                y += dy;
            }
            x += dx;
        }
    } catch (const std::exception& error) {
        common::MyLog::Info(std::string("ohje: ") + error.what() + " /n SDL: " + SDL_GetError());
        EndSplitLog();
        // A half-made picture is not a picture: the parts made so far give their textures
        // back as they go out of scope, and the caller learns of the failure.
        throw;
    }
    EndSplitLog();
    return parts;
}

std::shared_ptr<GlTexture> SurfaceSplitter::CreateGlTexture(const SDL_Surface& surface, int x,
                                                            int y, int width, int height) {
    GLuint name = 0;
    glGenTextures(1, &name);
    auto texture = std::make_shared<GlTexture>(name, engine_->Ledger());
    glBindTexture(GL_TEXTURE_2D, name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    // Vertically a quad never repeats its texture (t runs to 1); repeating there would blend
    // the picture's top row into its bottom edge whenever the picture is not drawn 1:1.
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, surface.pitch / kPartBytesPerPixel);
    const auto* origin = static_cast<const uint8_t*>(surface.pixels) +
                         static_cast<std::ptrdiff_t>(y) * surface.pitch + x * kPartBytesPerPixel;
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, origin);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    return texture;
}

SDL_Surface* SurfaceSplitter::CreateEmptySurface(const common::Point2D& size) {
    const zr2d::MaskData& masks = engine_->MaskData();
    SDL_Surface* surface = SDL_CreateRGBSurface(
        0, static_cast<int>(size.X()), static_cast<int>(size.Y()), kPartBitsPerPixel,
        masks.RedMask(), masks.GreenMask(), masks.BlueMask(), masks.AlphaMask());
    if (!surface) throw common::Exception(std::string("SDL_CreateRGBSurface: ") + SDL_GetError());
    return surface;
}

}  // namespace zr2d
