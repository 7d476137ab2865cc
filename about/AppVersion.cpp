#include "about/AppVersion.h"

#include <QCoreApplication>

AppVersion AppVersion::current()
{
    return {NIMBEX_VERSION_MAJOR, NIMBEX_VERSION_MINOR, NIMBEX_VERSION_REVISION};
}

QString AppVersion::versionLine() const
{
    return QCoreApplication::translate("AppVersion", "Version: %1.%2 - Build %3")
        .arg(Major)
        .arg(Minor)
        .arg(Revision);
}

QString AppVersion::text() const
{
    return QStringLiteral("%1.%2.%3").arg(Major).arg(Minor).arg(Revision);
}
