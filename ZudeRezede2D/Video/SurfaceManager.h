// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>
#include <memory>
#include <string>

#include "Common/DataTypes/WInteger.h"
#include "SurfaceCache.h"
#include "Surfaces.h"

namespace zr2d {

class Engine;

// Loaded images by id with a use count. Nothing is evicted before shutdown, so a picture
// whose count dropped to 0 is handed out again without loading.
class SurfaceManager {
  public:
    explicit SurfaceManager(Engine* engine);
    virtual ~SurfaceManager() = default;

    // A hit counts one more user.
    virtual std::shared_ptr<zr2d::Surfaces> Get(const std::string& id);
    virtual void Add(const std::shared_ptr<zr2d::Surfaces>& surfaces);
    virtual void Free(const zr2d::Surfaces& surfaces);
    virtual void FreeAll();

    // The use count of a cached image; absent when the id is not cached.
    common::WInteger Count(const std::string& id) const;

  private:
    Engine* engine_;
    std::map<std::string, SurfaceCache> entries_;
};

}  // namespace zr2d
