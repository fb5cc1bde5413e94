// SPDX-License-Identifier: GPL-3.0-or-later
#include "SurfaceCache.h"

#include <utility>

#include "Common/MyLog.h"
#include "Engine.h"
#include "Factory.h"

namespace zr2d {

SurfaceCache::SurfaceCache(std::shared_ptr<zr2d::Surfaces> surfaces)
    : surfaces_(std::move(surfaces)) {}

std::shared_ptr<Surfaces> SurfaceCache::Acquire() {
    ++count_;
    return surfaces_;
}

void SurfaceCache::Release() { --count_; }

void SurfaceCache::Free(Engine& engine) {
    if (!surfaces_) return;
    if (count_ != 0) {
        common::MyLog::Info("FreeSurface-Warning: " + surfaces_->Id() + " wird noch verwendet!");
    }
    for (const Surface& part : surfaces_->Parts()) engine.Factory().DeleteTexture(part);
    surfaces_.reset();
}

}  // namespace zr2d
