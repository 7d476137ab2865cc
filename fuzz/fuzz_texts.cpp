// Feeds arbitrary bytes, read as UTF-8 and as Latin-1, to the conversions between the settings
// store's texts and values, and checks what must hold for every input, not only for the texts
// the program writes itself.
#include "ui/ColorValue.h"
#include "settings/BoolText.h"
#include "settings/ColorTable.h"

#include <QString>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

void require(bool ok, const char* what, const QString& input)
{
    if (ok)
        return;
    std::fprintf(stderr, "broken: %s\ninput: \"%s\"\n", what, qUtf8Printable(input));
    std::abort();
}

bool isHexDigit(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'0' && u <= u'9') || (u >= u'a' && u <= u'f') || (u >= u'A' && u <= u'F');
}

bool isDecimalDigit(QChar c)
{
    return c.unicode() >= u'0' && c.unicode() <= u'9';
}

// Whether the text has one of the two accepted shapes, digits only after the prefix.
bool hasColorShape(QStringView t)
{
    if (t.size() > 2 && t[0] == u'&' && (t[1] == u'H' || t[1] == u'h')) {
        for (QChar c : t.mid(2)) {
            if (!isHexDigit(c))
                return false;
        }
        return true;
    }
    if (t.isEmpty())
        return false;
    for (QChar c : t) {
        if (!isDecimalDigit(c))
            return false;
    }
    return true;
}

void checkText(const QString& text)
{
    const QString trimmed = text.trimmed();

    const std::optional<quint32> color = ColorValue::fromText(text);
    require(color == ColorValue::fromText(trimmed), "fromText ignores surrounding blanks", text);
    if (color) {
        require(hasColorShape(trimmed), "fromText accepted a text of neither form", text);
        const QString hex = QStringLiteral("&H") + QString::number(*color, 16).toUpper();
        require(ColorValue::fromText(hex) == color, "value -> &H text -> value", text);
        require(ColorValue::fromText(QString::number(*color)) == color,
                "value -> decimal text -> value", text);
    }

    const bool b = BoolText::toBool(text);
    require(b == BoolText::toBool(trimmed), "toBool ignores surrounding blanks", text);
    require(b == (trimmed.size() == 4 && trimmed.toLatin1().toLower() == "true" &&
                  trimmed.toLatin1() == trimmed.toUtf8()),
            "toBool is true exactly for \"true\" in any ASCII letter case", text);

    const QString name = ColorTable::nameForText(text);
    if (!name.isEmpty()) {
        require(ColorTable::textForName(name) == text, "nameForText then textForName", text);
        require(ColorValue::fromText(text).has_value(), "a table text is a colour text", text);
    }
    const QString tableText = ColorTable::textForName(text);
    if (!tableText.isEmpty())
        require(ColorTable::nameForText(tableText) == text, "textForName then nameForText", text);
}

// The first bytes as a number, so that every value and every overflow gets tried.
void checkNumber(const uint8_t* data, size_t size)
{
    quint64 wide = 0;
    std::memcpy(&wide, data, size < sizeof wide ? size : sizeof wide);
    const QString in = QString::number(wide, 16);
    if (wide <= 0xFFFFFFFFull) {
        const auto v = quint32(wide);
        const QString upper = QString::number(v, 16).toUpper();
        require(ColorValue::fromText(QStringLiteral("&H") + upper) == v, "&H + upper-case hex", in);
        require(ColorValue::fromText(QStringLiteral("&h") + QString::number(v, 16)) == v,
                "&h + lower-case hex", in);
        require(ColorValue::fromText(QStringLiteral("&H000") + upper) == v, "leading zeros", in);
        require(ColorValue::fromText(QString::number(v)) == v, "decimal", in);
        require(ColorValue::fromText(QStringLiteral(" \t") + QString::number(v) +
                                     QStringLiteral(" ")) == v,
                "decimal with blanks", in);
    } else {
        require(!ColorValue::fromText(QStringLiteral("&H") + QString::number(wide, 16)),
                "&H text beyond 32 bits", in);
        require(!ColorValue::fromText(QString::number(wide)), "decimal text beyond 32 bits", in);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto* chars = reinterpret_cast<const char*>(data);
    const auto length = qsizetype(size);
    checkText(QString::fromUtf8(chars, length));
    checkText(QString::fromLatin1(chars, length));
    checkNumber(data, size);
    return 0;
}
