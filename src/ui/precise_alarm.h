#pragma once
// A single-shot alarm with nanosecond resolution. Qt's timers count whole
// milliseconds, so a wait to a moment between two milliseconds would wake up
// to a millisecond late; this one rings on a kernel timer (timerfd) watched
// by the event loop, and falls back to a precise QTimer rounded up where
// there is none.

#include <QObject>
#include <QTimer>
#include <chrono>
#include <memory>

class QSocketNotifier;

namespace ui {

class PreciseAlarm : public QObject {
    Q_OBJECT
public:
    explicit PreciseAlarm(QObject* parent = nullptr);
    ~PreciseAlarm() override;

    // Rings once `wait` from now (at once for a wait of zero or less);
    // replaces any earlier setting.
    void start(std::chrono::nanoseconds wait);
    void stop();
    bool isActive() const { return active_; }
    // The wait given to the last start (for inspection).
    std::chrono::nanoseconds lastWait() const { return lastWait_; }

signals:
    void timeout();

private:
    void ring();

    int fd_ = -1;
    std::unique_ptr<QSocketNotifier> notifier_;
    QTimer fallback_;
    bool active_ = false;
    std::chrono::nanoseconds lastWait_{0};
};

}  // namespace ui
