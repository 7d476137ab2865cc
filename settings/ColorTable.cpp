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
    // The names as the store knows them; the dialog shows them translated in context
    // "ColorTable".
    QStringList names;
    for (const char* name :
         {QT_TRANSLATE_NOOP("ColorTable", "Red"), QT_TRANSLATE_NOOP("ColorTable", "Blue"),
          QT_TRANSLATE_NOOP("ColorTable", "Yellow"), QT_TRANSLATE_NOOP("ColorTable", "Green"),
          QT_TRANSLATE_NOOP("ColorTable", "Purple"), QT_TRANSLATE_NOOP("ColorTable", "Black"),
          QT_TRANSLATE_NOOP("ColorTable", "Orange"), QT_TRANSLATE_NOOP("ColorTable", "LightBlue")})
        names << QString::fromLatin1(name);
    return names;
}

} // namespace ColorTable
