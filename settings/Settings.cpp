#include "settings/Settings.h"

#include "settings/BoolText.h"
#include "settings/SettingsStore.h"

const QString Settings::application = QStringLiteral("Vantrel");
const QString Settings::section = QStringLiteral("Nimbex");

namespace {

const QString cheatKey = QStringLiteral("Cheat");
const QString cheatNumKey = QStringLiteral("CheatNum");
const QString colorKey = QStringLiteral("Color");

QString read(const QString& key, const QString& defaultText)
{
    return SettingsStore::Read(Settings::application, Settings::section, key, defaultText);
}

bool write(const QString& key, const QString& text)
{
    return SettingsStore::Write(Settings::application, Settings::section, key, text);
}

} // namespace

bool Settings::cheat()
{
    return BoolText::toBool(read(cheatKey, BoolText::fromBool(false)));
}

bool Settings::cheatNum()
{
    return BoolText::toBool(read(cheatNumKey, BoolText::fromBool(false)));
}

QString Settings::color()
{
    return read(colorKey, QStringLiteral("&HFF0000"));
}

bool Settings::setCheat(bool shown)
{
    return write(cheatKey, BoolText::fromBool(shown));
}

bool Settings::setCheatNum(bool shown)
{
    return write(cheatNumKey, BoolText::fromBool(shown));
}

bool Settings::setColor(const QString& text)
{
    return write(colorKey, text);
}
