// SPDX-License-Identifier: GPL-3.0-or-later
#include "GlTexture.h"

#include <GL/gl.h>

#include <utility>

namespace zr2d {

GlTexture::GlTexture(uint32_t name, std::shared_ptr<TextureLedger> ledger)
    : name_(name), ledger_(std::move(ledger)) {
    ledger_->Created();
}

GlTexture::~GlTexture() { Delete(); }

void GlTexture::Delete() {
    if (deleted_) return;
    deleted_ = true;
    if (ledger_->ContextAlive()) {
        const GLuint name = name_;
        glDeleteTextures(1, &name);
    }
    ledger_->Deleted();
}

}  // namespace zr2d
