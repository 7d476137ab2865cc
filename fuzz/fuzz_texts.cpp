// Feeds arbitrary bytes, read as UTF-8 and as Latin-1, to the conversions between the settings
// store's texts and values, and checks what must hold for every input.
#include "settings/BoolText.h"
#include "settings/ColorTable.h"
#include "ui/ColorValue.h"

#include <QString>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void require(bool ok, const char* what, const QString& input)
{
    if (!ok) {
        std::fprintf(stderr, "broken: %s\ninput: \"%s\"\n", what, qUtf8Printable(input));
        std::abort();
    }
}

void checkText(const QString& text)
{
    const QString trimmed = text.trimmed();
    const std::optional<quint32> color = ColorValue::fromText(text);
    require(color == ColorValue::fromText(trimmed), "fromText ignores surrounding blanks", text);
    if (color)
        require(ColorValue::fromText("&H" + QString::number(*color, 16)) == color &&
                    ColorValue::fromText(QString::number(*color)) == color,
                "value -> &H or decimal text -> value", text);
    require(BoolText::toBool(text) == (trimmed.compare("true", Qt::CaseInsensitive) == 0 &&
                                       trimmed.toLatin1() == trimmed.toUtf8()),
            "toBool is true exactly for \"true\" in any ASCII letter case", text);
    const QString name = ColorTable::nameForText(text);
    require(name.isEmpty() || ColorTable::textForName(name) == text, "name and text 1:1", text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto* chars = reinterpret_cast<const char*>(data);
    checkText(QString::fromUtf8(chars, qsizetype(size)));
    checkText(QString::fromLatin1(chars, qsizetype(size)));
    return 0;
}
