// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

namespace pexaro {

// One picture of a set; its file name without the extension is the answer.
class PictureFile {
  public:
    explicit PictureFile(std::string fileName) : fileName_(std::move(fileName)) {}
    virtual ~PictureFile() = default;

    // 10 when the typed text starts with the whole answer (ignoring case); otherwise 10 minus
    // the letter difference (a..z counts) scaled by the answer's length. May be below 0.
    virtual int32_t CheckName(const std::string& entered) const;
    virtual const std::string& FileName() const { return fileName_; }
    virtual bool IsUsed() const { return used_; }
    virtual void SetUsed() { used_ = true; }

    // The file name without the part from its last dot on.
    std::string Answer() const;
    // Whether the name ends in .jpg, .bmp or .png (any case), the extension text not occurring
    // earlier; names of 4 bytes or fewer throw.
    static bool IsPictureFile(const std::string& fileName);

  private:
    std::string fileName_;
    bool used_ = false;
};

}  // namespace pexaro
