#include "settings/SettingsStore.h"

#include "settings/BoolText.h"

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
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, application);
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
    const auto writeOnce = [&] {
        QSettings store(QSettings::NativeFormat, QSettings::UserScope, application);
        store.beginGroup(section);
        store.setValue(key, text);
        store.sync();
        return store.status();
    };
    QSettings::Status status = writeOnce();
    // A flaw in the file as found (an editor's byte-order mark, a stray bracket) shows as a
    // format error even when the rewritten file was saved, and it hides any write error. Writing
    // again over what is now on disk tells which it was.
    if (status == QSettings::FormatError)
        status = writeOnce();
    if (status != QSettings::NoError) {
        reportWriteFailure(QSettings(QSettings::NativeFormat, QSettings::UserScope, application),
                           status);
        return false;
    }
    return true;
}

void SettingsStore::setReadObserver(std::function<void(const QString& key)> observer)
{
    s_readObserver = std::move(observer);
}
