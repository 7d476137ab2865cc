#include "app/BcdDigits.h"

#include <QString>

namespace BcdDigits {

BcdField field(int value, int maxTens)
{
    const QString t = QString::number(value);
    BcdField f;
    const int units = t.back().digitValue();
    f.unitsReadout = t.back();
    if (units >= 1 && units <= 9)
        f.unitsWeights = quint8(units);
    if (t.size() == 1) {
        f.tensReadout = QLatin1Char('0');
        return f;
    }
    const int tens = t.front().digitValue();
    f.tensReadout = t.front();
    if (tens >= 1 && tens <= maxTens)
        f.tensWeights = quint8(tens);
    return f;
}

} // namespace BcdDigits
