// SPDX-License-Identifier: GPL-3.0-or-later
#include "BackgroundDecoder.h"

#include <SDL.h>
#include <SDL_image.h>
#include <SDL_thread.h>

#include <algorithm>
#include <exception>
#include <filesystem>
#include <thread>

#include "Common/Exception.h"
#include "Common/FileSystem/TemporaryCopy.h"
#include "Common/MyLog.h"
#include "Common/Platform/Utf8Path.h"
#include "PictureLoader.h"

namespace zr2d {

unsigned BackgroundDecoder::DefaultWorkers() {
    return std::max(1u, std::thread::hardware_concurrency());
}

BackgroundDecoder::BackgroundDecoder(unsigned workers) {
    // SDL_image sets up its decoders on first use, which two workers must not do at once.
    IMG_Init(IMG_INIT_JPG | IMG_INIT_PNG);
    // SDL's own threads: the classic SDL keeps error texts per thread only for those.
    for (unsigned n = 0; n < std::max(1u, workers); ++n) {
        SDL_Thread* thread = SDL_CreateThread(&BackgroundDecoder::WorkerMain, this);
        if (!thread) {
            Shutdown();
            throw common::Exception(std::string("SDL_CreateThread: ") + SDL_GetError());
        }
        workers_.push_back(thread);
    }
}

BackgroundDecoder::~BackgroundDecoder() { Shutdown(); }

std::shared_ptr<PictureJob> BackgroundDecoder::Submit(PictureRequest request,
                                                      PictureJob::Done done) {
    auto job = std::make_shared<PictureJob>(std::move(request), std::move(done));
    {
        const std::lock_guard lock(mutex_);
        if (stopping_) {
            job->Cancel();
            return job;
        }
        queued_.push_back(job);
    }
    jobQueued_.notify_one();
    return job;
}

void BackgroundDecoder::Deliver() {
    std::vector<std::shared_ptr<PictureJob>> finished;
    {
        const std::lock_guard lock(mutex_);
        finished.swap(finished_);
        for (const auto& job : finished) job->stage_ = PictureJob::Stage::Over;
    }
    // A continuation may submit or cancel jobs: the lock is not held here.
    for (const auto& job : finished) job->Deliver();
}

void BackgroundDecoder::Wait(const std::shared_ptr<PictureJob>& job) {
    if (job->IsOver()) return;
    std::unique_lock lock(mutex_);
    if (job->stage_ == PictureJob::Stage::Queued) {
        const auto place = std::find(queued_.begin(), queued_.end(), job);
        if (place != queued_.end()) queued_.erase(place);
        Run(job, lock);
    }
    jobFinished_.wait(lock, [&] { return job->stage_ != PictureJob::Stage::Running; });
    if (job->stage_ != PictureJob::Stage::Finished) return;
    finished_.erase(std::find(finished_.begin(), finished_.end(), job));
    job->stage_ = PictureJob::Stage::Over;
    lock.unlock();
    job->Deliver();
}

void BackgroundDecoder::Shutdown() {
    std::vector<std::shared_ptr<PictureJob>> dropped;
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
        dropped.assign(queued_.begin(), queued_.end());
        queued_.clear();
    }
    jobQueued_.notify_all();
    for (SDL_Thread* worker : workers_) SDL_WaitThread(worker, nullptr);
    workers_.clear();
    const std::lock_guard lock(mutex_);
    for (const auto& job : finished_) dropped.push_back(job);
    finished_.clear();
    // Pictures and continuations go now, on this thread, while SDL is still up.
    for (const auto& job : dropped) {
        job->stage_ = PictureJob::Stage::Over;
        job->result_.reset();
        job->Cancel();
    }
}

std::optional<Picture> BackgroundDecoder::Decode(const PictureRequest& request) {
    std::optional<std::string> temporary;
    try {
        // Without a copy (read-only or full working folder) the picture is read where it is.
        if (!request.copyPrefix.empty()) {
            temporary = common::TemporaryCopy::Create(request.path, request.copyPrefix);
        }
        Picture picture = PictureLoader::LoadFitted(temporary.value_or(request.path),
                                                    request.bounds, request.previewBox);
        if (temporary) std::filesystem::remove(common::Utf8Path::From(*temporary));
        return picture;
    } catch (const std::exception& error) {
        common::MyLog::Warning(error);
        // The copy goes too, so that failed loads do not fill the working folder.
        std::error_code ignored;
        if (temporary) std::filesystem::remove(common::Utf8Path::From(*temporary), ignored);
        return std::nullopt;
    }
}

int BackgroundDecoder::WorkerMain(void* decoder) {
    static_cast<BackgroundDecoder*>(decoder)->Work();
    return 0;
}

void BackgroundDecoder::Work() {
    std::unique_lock lock(mutex_);
    for (;;) {
        jobQueued_.wait(lock, [this] { return stopping_ || !queued_.empty(); });
        if (stopping_) return;
        const std::shared_ptr<PictureJob> job = queued_.front();
        queued_.pop_front();
        if (job->IsCancelled()) {
            job->stage_ = PictureJob::Stage::Over;
            continue;
        }
        Run(job, lock);
    }
}

void BackgroundDecoder::Run(const std::shared_ptr<PictureJob>& job,
                            std::unique_lock<std::mutex>& lock) {
    job->stage_ = PictureJob::Stage::Running;
    lock.unlock();
    std::optional<Picture> result = Decode(job->Request());
    lock.lock();
    job->result_ = std::move(result);
    job->stage_ = PictureJob::Stage::Finished;
    finished_.push_back(job);
    jobFinished_.notify_all();
}

}  // namespace zr2d
