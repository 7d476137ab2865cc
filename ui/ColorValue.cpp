#include "ui/ColorValue.h"

#include <QString>

namespace ColorValue {

namespace {

std::optional<quint32> parseDigits(QStringView digits, int base)
{
    if (digits.isEmpty())
        return std::nullopt;
    quint64 value = 0;
    for (QChar c : digits) {
        const char16_t u = c.unicode();
        int d = -1;
        if (u >= u'0' && u <= u'9')
            d = u - u'0';
        else if (base == 16 && u >= u'a' && u <= u'f')
            d = u - u'a' + 10;
        else if (base == 16 && u >= u'A' && u <= u'F')
            d = u - u'A' + 10;
        if (d < 0)
            return std::nullopt;
        value = value * quint64(base) + quint64(d);
        if (value > 0xFFFFFFFFull) // leading zeros never get here, so "&H000080FF" is fine
            return std::nullopt;
    }
    return quint32(value);
}

} // namespace

std::optional<quint32> fromText(QStringView text)
{
    const QStringView t = text.trimmed();
    if (t.size() >= 2 && t[0] == QLatin1Char('&') &&
        (t[1] == QLatin1Char('H') || t[1] == QLatin1Char('h')))
        return parseDigits(t.mid(2), 16);
    return parseDigits(t, 10);
}

} // namespace ColorValue
