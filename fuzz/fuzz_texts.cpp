// Feeds arbitrary bytes, read as UTF-8 and as Latin-1, to the conversions between the settings
// store's texts and values; the sanitizers watch, and what must hold for every input is checked.
#include "settings/BoolText.h"
#include "settings/ColorTable.h"
#include "ui/ColorValue.h"

#include <QString>
#include <cstdint>
#include <cstdlib>

static void checkText(const QString& text)
{
    const std::optional<quint32> color = ColorValue::fromText(text);
    if (color && (ColorValue::fromText(QString::number(*color)) != color ||
                  ColorValue::fromText("&H" + QString::number(*color, 16)) != color))
        std::abort(); // a colour that does not read back as itself
    // Only "true" in any case reads as true, blanks around it or not: "True", " tRUE\t".
    static const bool trueTexts = BoolText::toBool(u" tRUE\t") && !BoolText::toBool(u"yes");
    if (!trueTexts || (BoolText::toBool(text) && text.trimmed().toLower() != QLatin1String("true")))
        std::abort();
    const QString name = ColorTable::nameForText(text);
    if (!name.isEmpty() && ColorTable::textForName(name) != text)
        std::abort(); // names and texts not one to one
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto* chars = reinterpret_cast<const char*>(data);
    checkText(QString::fromUtf8(chars, qsizetype(size)));
    checkText(QString::fromLatin1(chars, qsizetype(size)));
    return 0;
}
