#pragma once

#include <QChar>
#include <QtGlobal>

// One field of the clock (hours, minutes or seconds) as the face shows it: the two read-out
// characters and, as bit masks of the weights 8-4-2-1, the lamps lit in its two columns.
struct BcdField
{
    QChar tensReadout;
    QChar unitsReadout;
    quint8 tensWeights = 0;
    quint8 unitsWeights = 0;
};

namespace BcdDigits {

// The largest tens digit that has lamps: hours go up to 2 (two lamps), minutes and seconds to 5.
inline constexpr int hoursMaxTens = 2;
inline constexpr int sexagesimalMaxTens = 5;

// Works from the decimal text of the value as the clock gives it, without a leading zero: a
// one-character value has a "0" tens read-out and no tens lamp, and a tens digit beyond maxTens
// lights nothing.
BcdField field(int value, int maxTens);

} // namespace BcdDigits
