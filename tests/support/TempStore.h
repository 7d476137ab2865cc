#pragma once

#include "settings/ConfFile.h"
#include "settings/Settings.h"

#include <QSettings>
#include <QTemporaryDir>
#include <memory>

// Points the per-user settings store at a fresh temporary folder for the life of the object.
class TempStore
{
public:
    TempStore()
    {
        for (QSettings::Format f :
             {QSettings::NativeFormat, QSettings::IniFormat, ConfFile::format()})
            QSettings::setPath(f, QSettings::UserScope, m_dir.path());
    }

    QString path() const { return m_dir.path(); }
    QString file() const { return m_dir.filePath(QStringLiteral("Vantrel.conf")); }

    // A fresh settings object on the program's section, as another process would see the store.
    std::unique_ptr<QSettings> other() const
    {
        auto s = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                             Settings::application);
        s->beginGroup(Settings::section);
        return s;
    }

    // Blank-separated "key=text" pairs.
    void seed(const QString& pairs) const
    {
        for (const QString& pair : pairs.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            other()->setValue(pair.section(QLatin1Char('='), 0, 0),
                              pair.section(QLatin1Char('='), 1));
    }
    // The section as "key=text" pairs in key order.
    QString contents() const
    {
        const auto s = other();
        QStringList pairs;
        for (const QString& key : s->childKeys())
            pairs << key + QLatin1Char('=') + s->value(key).toString();
        pairs.sort();
        return pairs.join(QLatin1Char(' '));
    }

private:
    QTemporaryDir m_dir;
};
