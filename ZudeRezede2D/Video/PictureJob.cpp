// SPDX-License-Identifier: GPL-3.0-or-later
#include "PictureJob.h"

#include <utility>

namespace zr2d {

PictureJob::PictureJob(PictureRequest request, Done done)
    : request_(std::move(request)), done_(std::move(done)) {}

void PictureJob::Cancel() {
    cancelled_ = true;
    over_ = true;
    // The continuation may hold the screen that asked; it must not outlive the request.
    done_ = nullptr;
}

void PictureJob::Deliver() {
    if (over_) return;
    over_ = true;
    const Done done = std::exchange(done_, nullptr);
    if (done) done(std::move(result_));
    result_.reset();
}

}  // namespace zr2d
