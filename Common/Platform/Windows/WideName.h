// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "Common/Platform/Utf8Path.h"

namespace common {

// A UTF-8 name as the UTF-16 the Windows interface takes.
inline std::wstring WideName(const std::string& utf8) { return Utf8Path::From(utf8).wstring(); }

}  // namespace common
