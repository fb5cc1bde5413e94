// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace pexaro {

// The menu's pages of picture sets, four to a page. Pages and sets count from 1.
class MenuPaging {
  public:
    static constexpr int32_t kSetsPerPage = 4;

    explicit MenuPaging(int32_t setCount = 0);

    // 0 without sets.
    int32_t PageCount() const { return pageCount_; }
    // The page itself, or the last one where sets have gone since it was chosen.
    int32_t Clamped(int32_t page) const;
    // Whether "<" and ">" lead anywhere from the page.
    bool HasPrevious(int32_t page) const { return page > 1; }
    bool HasNext(int32_t page) const { return page < pageCount_; }
    // Whether the page is one of the pages.
    bool IsPage(int32_t page) const { return page >= 1 && page <= pageCount_; }
    int32_t FirstSetOn(int32_t page) const { return (page - 1) * kSetsPerPage + 1; }
    bool IsOn(int32_t set, int32_t page) const;
    int32_t PageOf(int32_t set) const { return (set - 1) / kSetsPerPage + 1; }

  private:
    int32_t pageCount_;
};

}  // namespace pexaro
