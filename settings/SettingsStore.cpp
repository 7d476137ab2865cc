#include "settings/SettingsStore.h"

#include "settings/BoolText.h"
#include "settings/ConfFile.h"

#include <QSettings>
#include <cstdio>

namespace {

bool s_reportedWriteFailure = false;
std::function<void(const QString&)> s_readObserver;

void reportWriteFailure(const QSettings& store, QSettings::Status status)
{
    if (s_reportedWriteFailure)
        return;
    s_reportedWriteFailure = true;
    const char* why =
        status == QSettings::FormatError ? "the file cannot be understood" : "it cannot be written";
    std::fprintf(stderr,
                 "nimbex: settings not saved to %s: %s; the clock runs on with the "
                 "choices it has\n",
                 qPrintable(store.fileName()), why);
}

} // namespace

QString SettingsStore::Read(const QString& application, const QString& section, const QString& key,
                            const QString& defaultText)
{
    if (s_readObserver)
        s_readObserver(key);
    QSettings store(ConfFile::format(), QSettings::UserScope, application);
    store.beginGroup(section);
    const QVariant value = store.value(key);
    if (value.typeId() != QMetaType::QString)
        return defaultText;
    return value.toString();
}

QString SettingsStore::Read(const QString& application, const QString& section, const QString& key,
                            bool defaultValue)
{
    return Read(application, section, key, BoolText::fromBool(defaultValue));
}

bool SettingsStore::Write(const QString& application, const QString& section, const QString& key,
                          const QString& text)
{
    QSettings store(ConfFile::format(), QSettings::UserScope, application);
    store.beginGroup(section);
    store.setValue(key, text);
    store.sync();
    if (store.status() != QSettings::NoError) {
        reportWriteFailure(store, store.status());
        return false;
    }
    return true;
}

void SettingsStore::setReadObserver(std::function<void(const QString& key)> observer)
{
    s_readObserver = std::move(observer);
}
