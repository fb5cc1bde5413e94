// SPDX-License-Identifier: GPL-3.0-or-later
#include "CallCounter.h"

#include <GL/gl.h>
#include <SDL_ttf.h>

namespace {

bench::CallCounts counts;

}  // namespace

// The linker sends the engine's calls here (-Wl,--wrap=...) and the real functions are
// reached as __real_*.
extern "C" {
TTF_Font* __real_TTF_OpenFont(const char* file, int size);
void __real_glTexImage2D(GLenum target, GLint level, GLint internalFormat, GLsizei width,
                         GLsizei height, GLint border, GLenum format, GLenum type,
                         const GLvoid* pixels);

TTF_Font* __wrap_TTF_OpenFont(const char* file, int size) {
    ++counts.fontOpenings;
    return __real_TTF_OpenFont(file, size);
}

void __wrap_glTexImage2D(GLenum target, GLint level, GLint internalFormat, GLsizei width,
                         GLsizei height, GLint border, GLenum format, GLenum type,
                         const GLvoid* pixels) {
    ++counts.textureUploads;
    __real_glTexImage2D(target, level, internalFormat, width, height, border, format, type, pixels);
}
}

namespace bench {

CallCounts Counts() { return counts; }

}  // namespace bench
