#pragma once
// One thread beside the main one for work done ahead: the desktop game
// decodes the pictures about to be shown there while the main thread builds
// the windows. Whatever is done ahead is also done right when first needed
// on the main thread (see `Ahead`), so nothing waits for a job still in the
// queue, and a run without a worker does the same, only later.

#include <condition_variable>
#include <deque>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>
#include <utility>

namespace forms {

class Worker {
public:
    Worker();
    // Jobs not yet started are dropped; the one running is waited for.
    ~Worker();
    Worker(const Worker&) = delete;
    Worker& operator=(const Worker&) = delete;

    // Runs `job` on the worker's thread after the jobs posted before it.
    void post(std::function<void()> job);
    // Runs the next job still waiting here, on the calling thread: a thread
    // that waits for the worker helps it. False when none is waiting.
    bool runOne();

private:
    void run();
    std::function<void()> popLocked();  // the next job; the mutex is held
    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<std::function<void()>> jobs_;
    bool stopping_ = false;
    std::thread thread_;  // last: starts once the rest is ready
};

// A result worked out once, by whichever comes first: the worker's job
// (`runAhead`) or a thread that needs it (`take`). A taker never waits for a
// job still in the queue, only for one under way.
template <class T>
class Ahead {
public:
    using Work = std::function<T()>;
    explicit Ahead(Work work) : work_(std::move(work)) {}

    // The worker's side: nothing if the result is taken or under way.
    void runAhead() {
        {
            const std::lock_guard lock(mutex_);
            if (state_ != State::Waiting) return;
            state_ = State::Running;
        }
        T value{};
        std::exception_ptr failure;
        try {
            value = work_();
        } catch (...) {
            failure = std::current_exception();
        }
        const std::lock_guard lock(mutex_);
        value_ = std::move(value);
        failure_ = failure;
        state_ = State::Done;
        finished_.notify_all();
    }
    // The result: worked out ahead, or here if the worker has not begun it.
    // While the worker is at it, `help` is called (to take on other work)
    // until it returns false, and then the taker waits. A second take (by a
    // copy's owner) works it out again.
    T take(const std::function<bool()>& help = {}) {
        std::unique_lock lock(mutex_);
        while (state_ == State::Running && help) {
            lock.unlock();
            const bool helped = help();
            lock.lock();
            if (!helped) break;
        }
        finished_.wait(lock, [this] { return state_ != State::Running; });
        if (state_ != State::Done) {
            state_ = State::Taken;
            lock.unlock();
            return work_();
        }
        state_ = State::Taken;
        if (failure_) std::rethrow_exception(failure_);
        return std::move(value_);
    }

private:
    enum class State { Waiting, Running, Done, Taken };
    Work work_;
    std::mutex mutex_;
    std::condition_variable finished_;
    State state_ = State::Waiting;
    T value_{};
    std::exception_ptr failure_;
};

}  // namespace forms
