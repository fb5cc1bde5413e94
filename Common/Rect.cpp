// SPDX-License-Identifier: GPL-3.0-or-later
#include "Rect.h"

#include "Helper.h"

namespace common {
namespace {

const Point3D& Required(const std::optional<Point3D>& value, const char* name) {
    Helper::CheckNotNull(value, name);
    return *value;
}

}  // namespace

Rect::Rect(const std::optional<Point3D>& position, const std::optional<Point3D>& size)
    : position_(Required(position, "position")), size_(Required(size, "size")) {}

std::string Rect::ToText() const { return position_.ToText() + "/" + size_.ToText(); }

}  // namespace common
