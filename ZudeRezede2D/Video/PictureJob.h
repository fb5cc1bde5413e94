// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <functional>
#include <optional>

#include "Picture.h"
#include "PictureRequest.h"

namespace zr2d {

class BackgroundDecoder;

// One picture decoded by the background decoder. The request and the result are plain data;
// the continuation runs on the main thread only, when the main loop takes the result up.
class PictureJob {
  public:
    // Gets the picture, or nothing when it could not be made (the reason is logged).
    using Done = std::function<void(std::optional<Picture>)>;

    PictureJob(PictureRequest request, Done done);
    PictureJob(const PictureJob&) = delete;
    PictureJob& operator=(const PictureJob&) = delete;

    const PictureRequest& Request() const { return request_; }
    // Main thread: the result is dropped and the continuation released at once; a job that has
    // not started yet never starts.
    void Cancel();
    bool IsCancelled() const { return cancelled_; }
    // Main thread: the continuation ran, or never will.
    bool IsOver() const { return over_; }

  private:
    friend class BackgroundDecoder;
    enum class Stage { Queued, Running, Finished, Over };

    // Main thread: hands the result to the continuation unless cancelled.
    void Deliver();

    const PictureRequest request_;
    Done done_;
    std::atomic<bool> cancelled_ = false;
    bool over_ = false;
    // Under the decoder's lock.
    Stage stage_ = Stage::Queued;
    std::optional<Picture> result_;
};

}  // namespace zr2d
