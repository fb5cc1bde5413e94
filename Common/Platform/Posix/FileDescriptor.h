// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <unistd.h>

#include "../../UniqueResource.h"

namespace common {

// A POSIX file descriptor; -1 is none.
using FileDescriptor = UniqueResource<int, &::close, -1>;

}  // namespace common
