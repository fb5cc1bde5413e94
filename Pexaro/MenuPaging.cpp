// SPDX-License-Identifier: GPL-3.0-or-later
#include "MenuPaging.h"

namespace pexaro {

MenuPaging::MenuPaging(int32_t setCount)
    : pageCount_((setCount + kSetsPerPage - 1) / kSetsPerPage) {}

int32_t MenuPaging::Clamped(int32_t page) const {
    return pageCount_ > 0 && page > pageCount_ ? pageCount_ : page;
}

bool MenuPaging::IsOn(int32_t set, int32_t page) const {
    return set >= FirstSetOn(page) && set < FirstSetOn(page + 1);
}

}  // namespace pexaro
