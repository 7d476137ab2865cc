#pragma once

#include <QSettings>

class QIODevice;

// The per-user settings file on desktops whose native store is a text file. It reads what it can
// of a hand-edited or damaged file, line by line, so one bad line never hides the ones after it.
// On saving it rewrites only the lines of the keys whose value changed, adds new keys to their
// section, and keeps every other line (comments, other sections, lines it cannot read) as it was.
// It writes the program's plain texts as they are, so Qt's own INI reader reads the file the same.
class ConfFile
{
public:
    // The format the store uses on this platform: the native one where that is not a file of
    // this kind (the registry, property lists), this one elsewhere.
    static QSettings::Format format();

    static bool read(QIODevice& device, QSettings::SettingsMap& map);
    static bool write(QIODevice& device, const QSettings::SettingsMap& map);
};
