#pragma once

#include "app/Clock.h"

#include <QDateTime>

// A clock the test sets: it stays where it was put.
class TestClock final : public Clock
{
public:
    explicit TestClock(QDateTime now = QDateTime(QDate(2026, 12, 6), QTime(0, 0)))
        : m_now(std::move(now))
    {}

    QDateTime now() const override { return m_now; }
    void set(const QDateTime& now) { m_now = now; }
    void setTime(const QTime& time) { m_now.setTime(time); }

private:
    QDateTime m_now;
};
