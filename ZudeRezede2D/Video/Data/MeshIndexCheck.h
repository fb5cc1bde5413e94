// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "IndexedVertices.h"

namespace zr2d {

// Throws common::Exception naming the first face corner whose position, texture-coordinate or
// normal number lies outside its list. Meshes are drawn with unchecked indexes, so every mesh
// passes here once: when it is loaded and when a node takes it.
void CheckMeshIndexes(const IndexedVertices& mesh);

}  // namespace zr2d
