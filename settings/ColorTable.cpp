#include "settings/ColorTable.h"

namespace ColorTable {

QString textForName(const QString& name)
{
    for (const Entry& e : entries) {
        if (name == QLatin1String(e.name))
            return QString::fromLatin1(e.text);
    }
    return {};
}

QString nameForText(const QString& text)
{
    for (const Entry& e : entries) {
        if (text == QLatin1String(e.text))
            return QString::fromLatin1(e.name);
    }
    return {};
}

QStringList dialogOrder()
{
    return {QStringLiteral("Red"),    QStringLiteral("Blue"),     QStringLiteral("Yellow"),
            QStringLiteral("Green"),  QStringLiteral("Purple"),   QStringLiteral("Black"),
            QStringLiteral("Orange"), QStringLiteral("LightBlue")};
}

} // namespace ColorTable
