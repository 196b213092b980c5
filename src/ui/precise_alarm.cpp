#include "ui/precise_alarm.h"

#include <QSocketNotifier>
#include <algorithm>
#include <climits>
#include <cstdint>
#include <sys/timerfd.h>
#include <unistd.h>

namespace ui {

PreciseAlarm::PreciseAlarm(QObject* parent) : QObject(parent) {
    fallback_.setSingleShot(true);
    fallback_.setTimerType(Qt::PreciseTimer);
    connect(&fallback_, &QTimer::timeout, this, &PreciseAlarm::ring);
    fd_ = timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
    if (fd_ < 0) return;
    notifier_ = std::make_unique<QSocketNotifier>(fd_, QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, [this] {
        std::uint64_t expirations = 0;
        // Reading empties the descriptor; a stop() just before may have left nothing to read.
        if (read(fd_, &expirations, sizeof expirations) != ssize_t(sizeof expirations)) return;
        ring();
    });
}

PreciseAlarm::~PreciseAlarm() {
    notifier_.reset();
    if (fd_ >= 0) close(fd_);
}

void PreciseAlarm::start(std::chrono::nanoseconds wait) {
    lastWait_ = wait;
    active_ = true;
    if (fd_ < 0) {
        // Rounded up: a tick is never looked for before it is due.
        const auto ms = std::chrono::ceil<std::chrono::milliseconds>(wait).count();
        fallback_.start(int(std::clamp<long long>(ms, 0, INT_MAX)));
        return;
    }
    // A zero value would disarm the timer: the shortest wait is a nanosecond.
    const long long ns = std::max<long long>(wait.count(), 1);
    itimerspec when{};
    when.it_value.tv_sec = time_t(ns / 1'000'000'000);
    when.it_value.tv_nsec = long(ns % 1'000'000'000);
    timerfd_settime(fd_, 0, &when, nullptr);
}

void PreciseAlarm::stop() {
    active_ = false;
    fallback_.stop();
    if (fd_ < 0) return;
    const itimerspec off{};
    timerfd_settime(fd_, 0, &off, nullptr);
    // An expiry already counted stays readable after disarming: drop it.
    std::uint64_t expirations = 0;
    [[maybe_unused]] const ssize_t n = read(fd_, &expirations, sizeof expirations);
}

void PreciseAlarm::ring() {
    if (!active_) return;
    active_ = false;
    emit timeout();
}

}  // namespace ui
