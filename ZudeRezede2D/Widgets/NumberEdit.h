// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "TextEdit.h"

namespace zr2d {

// A text field that only takes digits.
class NumberEdit : public TextEdit {
  public:
    using TextEdit::TextEdit;

    // "0", or a whole decimal integer other than 0.
    bool AcceptText(const std::string& text) const override;
};

}  // namespace zr2d
