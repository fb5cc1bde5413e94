// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>

namespace common {

// The general failure of the system; its message is the text the system logs and shows.
class Exception : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// A null or otherwise unusable argument ("scene is null", "size <= 0").
class ArgumentException : public std::invalid_argument {
  public:
    using std::invalid_argument::invalid_argument;
};

// Reading past the end of an iterator ("Exhausted Iterator").
class NoSuchElementException : public std::out_of_range {
  public:
    using std::out_of_range::out_of_range;
};

}  // namespace common
