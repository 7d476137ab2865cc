#pragma once

#include "settings/ConfFile.h"
#include "settings/Settings.h"

#include <QDir>
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
    // The file the program's settings live in.
    QString fileName() const { return other()->fileName(); }

    // A fresh settings object on the program's section, as another process would see the store.
    std::unique_ptr<QSettings> other() const
    {
        auto s = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                             Settings::application);
        s->beginGroup(Settings::section);
        return s;
    }

    void seed(const QString& key, const QString& text) const
    {
        QSettings s(QSettings::NativeFormat, QSettings::UserScope, Settings::application);
        s.beginGroup(Settings::section);
        s.setValue(key, text);
    }

private:
    QTemporaryDir m_dir;
};
