#include "settings/SettingsStore.h"

#include "settings/ConfFile.h"

#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QSettings>

namespace {

Q_LOGGING_CATEGORY(lcSettings, "nimbex.settings")

// Said once a run, at the first sign, so a clock left running never floods a log.
void reportOnce(const QString& what)
{
    static bool reported = false;
    if (reported)
        return;
    reported = true;
    qCWarning(lcSettings, "%s; the clock runs on with the choices it has", qPrintable(what));
}

// Without HOME (nor XDG_CONFIG_HOME) Qt would put the file under the root folder.
bool homeless()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    return qEnvironmentVariableIsEmpty("HOME") && qEnvironmentVariableIsEmpty("XDG_CONFIG_HOME");
#else
    return false;
#endif
}

// At the first use: tells at once when choices cannot be kept, not only when one is saved.
void checkOnce(const QSettings& store)
{
    static bool checked = false;
    if (checked)
        return;
    checked = true;
    if (homeless()) {
        reportOnce(QStringLiteral("HOME is not set, so settings are neither read nor saved"));
        return;
    }
    if (store.format() == QSettings::NativeFormat)
        return; // a registry or a property list: nothing here to look at
    // The file is replaced on saving, so its folder must be writable, and Qt wants the file
    // itself writable too; a folder still to be made needs a writable one above it.
    const QFileInfo file(store.fileName());
    QDir dir = file.absoluteDir();
    while (!dir.exists() && dir.cdUp()) {
    }
    if (!QFileInfo(dir.absolutePath()).isWritable() || (file.exists() && !file.isWritable()))
        reportOnce(QStringLiteral("settings cannot be saved to %1").arg(store.fileName()));
}

} // namespace

QString SettingsStore::Read(const QString& application, const QString& section, const QString& key,
                            const QString& defaultText)
{
    if (homeless()) {
        reportOnce(QStringLiteral("HOME is not set, so settings are neither read nor saved"));
        return defaultText;
    }
    QSettings store(ConfFile::format(), QSettings::UserScope, application);
    checkOnce(store);
    store.beginGroup(section);
    const QVariant value = store.value(key);
    if (value.typeId() != QMetaType::QString)
        return defaultText;
    return value.toString();
}

bool SettingsStore::Write(const QString& application, const QString& section, const QString& key,
                          const QString& text)
{
    if (homeless()) {
        reportOnce(QStringLiteral("HOME is not set, so settings are neither read nor saved"));
        return false;
    }
    QSettings store(ConfFile::format(), QSettings::UserScope, application);
    checkOnce(store);
    store.beginGroup(section);
    store.setValue(key, text);
    store.sync();
    if (store.status() != QSettings::NoError) {
        reportOnce(QStringLiteral("settings not saved to %1: %2")
                       .arg(store.fileName(), store.status() == QSettings::FormatError
                                                  ? QStringLiteral("the file cannot be understood")
                                                  : QStringLiteral("it cannot be written")));
        return false;
    }
    return true;
}
