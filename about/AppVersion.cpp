#include "about/AppVersion.h"

AppVersion AppVersion::current()
{
    return {NIMBEX_VERSION_MAJOR, NIMBEX_VERSION_MINOR, NIMBEX_VERSION_REVISION};
}

QString AppVersion::versionLine() const
{
    return QStringLiteral("Version: ") + QString::number(Major) + QLatin1Char('.') +
           QString::number(Minor) + QStringLiteral(" - Build ") + QString::number(Revision);
}

QString AppVersion::text() const
{
    return QStringLiteral("%1.%2.%3").arg(Major).arg(Minor).arg(Revision);
}
