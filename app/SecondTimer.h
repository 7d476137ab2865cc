#pragma once

#include <QObject>
#include <QTimer>

class Clock;

// A one-second timer whose ticks fall just after each wall-clock second rather than at an
// arbitrary phase of it. Every tick is aimed afresh from the clock, so slack never accumulates
// and a stepped clock is caught up with at the next tick.
class SecondTimer : public QObject
{
    Q_OBJECT

public:
    explicit SecondTimer(const Clock& clock, QObject* parent = nullptr);

    static constexpr int Interval = 1000;

    bool Enabled() const { return m_enabled; }
    void setEnabled(bool enabled);

    // Milliseconds until the pending tick, -1 when disabled.
    int remainingMs() const { return m_enabled ? m_timer.remainingTime() : -1; }

signals:
    void Timer();

private:
    void aim();
    void fire();

    const Clock& m_clock;
    QTimer m_timer;
    bool m_enabled = false;
};
