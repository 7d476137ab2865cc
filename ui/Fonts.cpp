#include "ui/Fonts.h"

#include "ui/Twips.h"

#include <QFile>
#include <QFontDatabase>
#include <QStringList>

namespace {

const QString tahomaName = QStringLiteral("Tahoma");
const QString timesName = QStringLiteral("Times New Roman");

bool hasFamily(const QString& family)
{
    return QFontDatabase::families().contains(family, Qt::CaseInsensitive);
}

} // namespace

void Fonts::install()
{
    // Registered before anything asks the font database, which Qt then fills once, not twice
    // (adding a font empties it); the system's faces stay beside it.
    bool tahomaFound = false;
    const QStringList candidates{
        QStringLiteral("/usr/share/wine/fonts/tahoma.ttf"),
        QStringLiteral("/usr/lib/wine/fonts/tahoma.ttf"),
        QStringLiteral("/opt/wine/share/wine/fonts/tahoma.ttf"),
    };
    for (const QString& path : candidates) {
        const int id = QFile::exists(path) ? QFontDatabase::addApplicationFont(path) : -1;
        if (id >= 0 && QFontDatabase::applicationFontFamilies(id).contains(tahomaName)) {
            tahomaFound = true;
            break;
        }
    }
    if (!tahomaFound && !hasFamily(tahomaName)) {
        QFont::insertSubstitutions(
            tahomaName, {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans"),
                         QStringLiteral("Verdana"), QStringLiteral("Arial")});
    }
    QFont::insertSubstitutions(timesName,
                               {QStringLiteral("Liberation Serif"), QStringLiteral("Tinos"),
                                QStringLiteral("DejaVu Serif")});
}

QFont Fonts::tahoma(double points, bool bold)
{
    QFont font(tahomaName);
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(Twips::pointsToPixels(points));
    font.setBold(bold);
    return font;
}

QFont Fonts::timesNewRoman(double points)
{
    QFont font(timesName);
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(Twips::pointsToPixels(points));
    return font;
}
