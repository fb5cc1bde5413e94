// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

namespace common {

// One row of a highscore table.
class HighScore {
  public:
    HighScore(std::string name, int32_t points) : name_(std::move(name)), points_(points) {}
    // Splits at the last separator, so names may contain it; points read like Helper::ToInt.
    // A line without the separator throws.
    HighScore(const std::string& line, char separator);

    const std::string& Name() const { return name_; }
    int32_t Points() const { return points_; }
    std::string ToLine(char separator) const;

  private:
    std::string name_;
    int32_t points_;
};

}  // namespace common
