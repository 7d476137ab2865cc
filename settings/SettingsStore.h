#pragma once

#include <QString>

// The per-user settings store, addressed by (application, section, key) with text values.
// The application names the store (on Linux ~/.config/<application>.conf, on Windows
// HKEY_CURRENT_USER\Software\<application>), the section a group in it.
// Nothing is cached: every read goes to the store, so a write made elsewhere is seen at once.
// A store that cannot keep choices (no HOME, a read-only folder or file) is reported once a run
// on standard error, at its first use; the program then runs on defaults and what it has.
class SettingsStore
{
public:
    // The stored text, or the default when the key is absent or holds something that is not a
    // single text (a hand-edited list, a damaged file).
    static QString Read(const QString& application, const QString& section, const QString& key,
                        const QString& defaultText);
    // Creates the key or replaces its text. False when the store could not be written; what was
    // stored before stays as it was.
    static bool Write(const QString& application, const QString& section, const QString& key,
                      const QString& text);
};
