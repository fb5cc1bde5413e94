// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

#include "PictureJob.h"

struct SDL_Thread;

namespace zr2d {

// Decodes pictures on worker threads while the main loop goes on drawing. Workers only read
// files and make pictures (SDL software surfaces, SDL_image, libjpeg, libexif, SDL_gfx); no
// window, OpenGL or SDL_ttf call. Finished jobs wait in one queue that the main loop drains
// once per frame (Deliver), so every continuation runs on the main thread.
class BackgroundDecoder {
  public:
    // One worker per core.
    static unsigned DefaultWorkers();

    explicit BackgroundDecoder(unsigned workers);
    ~BackgroundDecoder();
    BackgroundDecoder(const BackgroundDecoder&) = delete;
    BackgroundDecoder& operator=(const BackgroundDecoder&) = delete;

    // Queues the request; done runs later on the main thread, in Deliver or Wait, unless the
    // job is cancelled first. After Shutdown the job comes back cancelled.
    std::shared_ptr<PictureJob> Submit(PictureRequest request, PictureJob::Done done);
    // Main thread: hands every finished job's result to its continuation.
    void Deliver();
    // Main thread: until the job is finished, then delivers it at once. A job no worker has
    // started yet is decoded right here rather than behind the others.
    void Wait(const std::shared_ptr<PictureJob>& job);
    // Drops the queued jobs and waits for the running ones, whose results are dropped too.
    // A second call does nothing.
    void Shutdown();

    // What a job does, on the calling thread: nothing when the picture cannot be made, after a
    // warning line; the temporary copy is removed in every case.
    static std::optional<Picture> Decode(const PictureRequest& request);

  private:
    static int WorkerMain(void* decoder);
    void Work();
    // Runs the job outside the lock and queues its result; called with the lock held.
    void Run(const std::shared_ptr<PictureJob>& job, std::unique_lock<std::mutex>& lock);

    std::mutex mutex_;
    std::condition_variable jobQueued_;
    std::condition_variable jobFinished_;
    std::deque<std::shared_ptr<PictureJob>> queued_;
    std::vector<std::shared_ptr<PictureJob>> finished_;
    std::vector<SDL_Thread*> workers_;
    bool stopping_ = false;
};

}  // namespace zr2d
