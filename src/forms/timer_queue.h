#pragma once
// A virtual millisecond clock that drives every window timer.
//
// Contract:
//  - A timer fires every Interval ms while Enabled (an Interval of 0 never fires).
//  - Enabling a disabled timer, or changing the interval of an enabled one,
//    starts its countdown afresh from now; disabling stops it.
//  - advance(ms) fires, one at a time, every tick due up to and including the
//    new time, in time order; ties go in creation order. A handler may change
//    any timer, its own included.
//  - pumpTo(t) is the desktop flavour: a timer found overdue by more than its
//    interval fires once and counts on from t, as a window system coalesces.
// Time never comes from inside: the owner pushes it in.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "forms/reflect.h"

namespace forms {

class TimerQueue;

class Timer {
public:
    Timer(TimerQueue& queue, std::string name, int interval, std::function<void()> onTick);
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    const std::string& name() const { return name_; }
    bool enabled() const { return enabled_; }
    int interval() const { return interval_; }
    void setEnabled(bool on);
    void setInterval(int ms);
    // What a tick runs, for a window whose timer drives a rule of a
    // subsystem above the window (set where the window is made).
    void setOnTick(std::function<void()> onTick) { onTick_ = std::move(onTick); }

    // For inspection: the virtual time of the next tick, if one is due.
    std::optional<std::int64_t> due() const;
    // Creation order: among ticks due at the same time, the lower goes first.
    std::uint64_t order() const { return order_; }

    // Enabled and Interval by name; setting them acts as the setters do.
    void reflect(VarVisitor& v);

private:
    friend class TimerQueue;
    TimerQueue& queue_;
    std::string name_;
    int interval_;
    bool enabled_ = false;
    std::int64_t due_ = 0;
    std::uint64_t order_ = 0;
    std::function<void()> onTick_;
};

class TimerQueue {
public:
    std::int64_t now() const { return now_; }

    // Runs the clock `ms` milliseconds forward, firing every due tick exactly.
    void advance(std::int64_t ms);
    // Desktop pumping: fire what is due at `time` with coalescing.
    void pumpTo(std::int64_t time);
    // The time of the earliest due tick, if any timer runs.
    std::optional<std::int64_t> nextDue() const;
    // Stops every timer for good (the game has ended).
    void stopAll();

private:
    friend class Timer;
    void add(Timer* timer);
    Timer* earliestDueBy(std::int64_t limit) const;
    std::int64_t now_ = 0;
    std::uint64_t created_ = 0;
    std::vector<Timer*> timers_;
};

}  // namespace forms
