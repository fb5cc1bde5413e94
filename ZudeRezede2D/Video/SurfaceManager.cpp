// SPDX-License-Identifier: GPL-3.0-or-later
#include "SurfaceManager.h"

#include "Common/Exception.h"

namespace zr2d {

SurfaceManager::SurfaceManager(Engine* engine) : engine_(engine) {
    if (!engine_) throw common::ArgumentException("engine is null");
}

std::shared_ptr<Surfaces> SurfaceManager::Get(const std::string& id) {
    const auto entry = entries_.find(id);
    if (entry == entries_.end()) return nullptr;
    return entry->second.Acquire();
}

void SurfaceManager::Add(const std::shared_ptr<zr2d::Surfaces>& surfaces) {
    if (!surfaces) throw common::ArgumentException("surfaces is null");
    entries_.insert_or_assign(surfaces->Id(), SurfaceCache(surfaces));
}

void SurfaceManager::Free(const zr2d::Surfaces& surfaces) {
    const auto entry = entries_.find(surfaces.Id());
    // Only the cached object itself counts: an uncached copy of the same file must not
    // take a user away from the cached one.
    if (entry == entries_.end() || entry->second.Surfaces().get() != &surfaces) return;
    entry->second.Release();
}

void SurfaceManager::FreeAll() {
    for (auto& [id, entry] : entries_) entry.Free(*engine_);
    entries_.clear();
}

common::WInteger SurfaceManager::Count(const std::string& id) const {
    const auto entry = entries_.find(id);
    if (entry == entries_.end()) return std::nullopt;
    return entry->second.Count();
}

}  // namespace zr2d
