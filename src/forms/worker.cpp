#include "forms/worker.h"

namespace forms {

Worker::Worker() : thread_([this] { run(); }) {}

Worker::~Worker() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
        jobs_.clear();
    }
    wake_.notify_one();
    thread_.join();
}

void Worker::post(std::function<void()> job) {
    {
        const std::lock_guard lock(mutex_);
        jobs_.push_back(std::move(job));
    }
    wake_.notify_one();
}

std::function<void()> Worker::popLocked() {
    std::function<void()> job = std::move(jobs_.front());
    jobs_.pop_front();
    return job;
}

bool Worker::runOne() {
    std::unique_lock lock(mutex_);
    if (jobs_.empty()) return false;
    const std::function<void()> job = popLocked();
    lock.unlock();
    job();
    return true;
}

void Worker::run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stopping_ || !jobs_.empty(); });
        if (stopping_) return;
        const std::function<void()> job = popLocked();
        lock.unlock();
        job();
        lock.lock();
    }
}

}  // namespace forms
