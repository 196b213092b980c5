#include "forms/timer_queue.h"

namespace forms {

Timer::Timer(TimerQueue& queue, std::string name, int interval, std::function<void()> onTick)
    : queue_(queue), name_(std::move(name)), interval_(interval), onTick_(std::move(onTick)) {
    queue_.add(this);
}

void Timer::setEnabled(bool on) {
    if (on && !enabled_) due_ = queue_.now() + interval_;
    enabled_ = on;
}

void Timer::setInterval(int ms) {
    // A window timer restarts its countdown whenever its interval is set while it runs.
    interval_ = ms;
    if (enabled_) due_ = queue_.now() + interval_;
}

std::optional<std::int64_t> Timer::due() const {
    if (!enabled_ || interval_ <= 0) return std::nullopt;
    return due_;
}

void TimerQueue::add(Timer* timer) {
    timer->order_ = created_++;
    timers_.push_back(timer);
}

Timer* TimerQueue::earliestDueBy(std::int64_t limit) const {
    Timer* best = nullptr;
    for (Timer* t : timers_) {
        if (!t->enabled_ || t->interval_ <= 0 || t->due_ > limit) continue;
        if (!best || t->due_ < best->due_ || (t->due_ == best->due_ && t->order_ < best->order_))
            best = t;
    }
    return best;
}

void TimerQueue::advance(std::int64_t ms) {
    const std::int64_t target = now_ + ms;
    while (Timer* t = earliestDueBy(target)) {
        now_ = t->due_;
        t->due_ += t->interval_;
        t->onTick_();
    }
    now_ = target;
}

void TimerQueue::pumpTo(std::int64_t time) {
    if (time < now_) time = now_;
    while (Timer* t = earliestDueBy(time)) {
        const bool longOverdue = time - t->due_ > t->interval_;
        now_ = longOverdue ? time : t->due_;
        t->due_ = now_ + t->interval_;
        t->onTick_();
    }
    now_ = time;
}

std::optional<std::int64_t> TimerQueue::nextDue() const {
    std::optional<std::int64_t> best;
    for (const Timer* t : timers_)
        if (auto d = t->due(); d && (!best || *d < *best)) best = d;
    return best;
}

void TimerQueue::stopAll() {
    for (Timer* t : timers_) t->enabled_ = false;
}

void Timer::reflect(VarVisitor& v) {
    bool on = enabled_;
    v.field("Enabled", on);
    long long interval = interval_;
    v.field("Interval", interval);
    if (interval != interval_) setInterval(int(interval));
    if (on != enabled_) setEnabled(on);
}

}  // namespace forms
