#pragma once

#include "app/Clock.h"

class SystemClock final : public Clock
{
public:
    QDateTime now() const override;
    qint64 msecsSinceEpoch() const override;
    qint64 nsecsSinceEpoch() const override;
};
