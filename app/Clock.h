#pragma once

#include <QDateTime>

// The one seam through which the program learns the time, so tests can set any time of day.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};
