// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>

#include "TextureLedger.h"

namespace zr2d {

// Owns one OpenGL texture name. The name is deleted exactly once: by an explicit Delete
// (the cache at shutdown, DeleteSurfaces) or when the last holder lets go.
class GlTexture {
  public:
    GlTexture(uint32_t name, std::shared_ptr<TextureLedger> ledger);
    ~GlTexture();
    GlTexture(const GlTexture&) = delete;
    GlTexture& operator=(const GlTexture&) = delete;

    uint32_t Name() const { return name_; }
    bool IsDeleted() const { return deleted_; }
    void Delete();

  private:
    uint32_t name_;
    std::shared_ptr<TextureLedger> ledger_;
    bool deleted_ = false;
};

}  // namespace zr2d
