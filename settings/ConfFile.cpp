#include "settings/ConfFile.h"

#include <QFile>
#include <QFileDevice>
#include <QIODevice>
#include <QStringList>
#include <algorithm>
#include <optional>
#include <vector>

namespace {

const QString generalGroup = QStringLiteral("General");

// One line of the file as it stands, with what it was understood to say.
struct Line
{
    QByteArray raw;  // without its line end
    QString section; // the section it stands in; empty before the first header
    QString key;     // empty for headers, comments, blank and unreadable lines
    bool isHeader = false;
    std::optional<QVariant> value; // empty when the key's value could not be read
};

QString mapKey(const QString& section, const QString& key)
{
    return section.isEmpty() || section == generalGroup ? key : section + QLatin1Char('/') + key;
}

// A value as Qt's INI files write it: plain or "quoted" texts with backslash escapes, a comma
// between the items of a list, ';' starting a comment. Nothing when the text cannot be read,
// such as a quote left open.
std::optional<QVariant> parseValue(const QString& text)
{
    QStringList items;
    QString item;
    bool quoted = false, anyQuoted = false, list = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\\') && i + 1 < text.size()) {
            const QChar n = text[++i];
            switch (n.unicode()) {
            case 'n':
                item += QLatin1Char('\n');
                break;
            case 'r':
                item += QLatin1Char('\r');
                break;
            case 't':
                item += QLatin1Char('\t');
                break;
            case '0':
                item += QChar(0);
                break;
            default:
                item += n;
                break;
            }
        } else if (c == QLatin1Char('"')) {
            quoted = !quoted;
            anyQuoted = true;
        } else if (!quoted && c == QLatin1Char(',')) {
            items << (anyQuoted ? item : item.trimmed());
            item.clear();
            anyQuoted = false;
            list = true;
        } else if (!quoted && c == QLatin1Char(';')) {
            break;
        } else {
            item += c;
        }
    }
    if (quoted)
        return std::nullopt;
    items << (anyQuoted ? item : item.trimmed());
    if (list)
        return QVariant(items);
    QString s = items.front();
    // "@@" stands for a text that begins with "@"; any other "@" names a typed value.
    if (s.startsWith(QLatin1String("@@")))
        s.remove(0, 1);
    else if (s.startsWith(QLatin1Char('@')))
        return QVariant(QByteArray()); // understood as not a text
    return QVariant(s);
}

std::vector<Line> parse(const QByteArray& bytes)
{
    std::vector<Line> lines;
    QString section;
    const QList<QByteArray> rawLines = bytes.split('\n');
    for (qsizetype n = 0; n < rawLines.size(); ++n) {
        QByteArray raw = rawLines[n];
        if (n + 1 == rawLines.size() && raw.isEmpty())
            break; // the file's final line end
        if (raw.endsWith('\r'))
            raw.chop(1);
        Line line{raw, section, {}, false, std::nullopt};
        // fromUtf8 drops a byte-order mark at the start.
        const QString text = QString::fromUtf8(raw).trimmed();
        if (text.startsWith(QLatin1Char('['))) {
            const qsizetype close = text.lastIndexOf(QLatin1Char(']'));
            section = (close > 0 ? text.mid(1, close - 1) : text.mid(1)).trimmed();
            line.section = section;
            line.isHeader = true;
        } else if (!text.isEmpty() && !text.startsWith(QLatin1Char(';')) &&
                   !text.startsWith(QLatin1Char('#'))) {
            const qsizetype eq = text.indexOf(QLatin1Char('='));
            if (eq > 0) {
                line.key = text.left(eq).trimmed();
                line.value = parseValue(text.mid(eq + 1).trimmed());
            }
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

// The program stores plain texts only ("True", "False", "&HFF0000"), which Qt's reader reads as
// written. A value that would need its quotes, escapes or type marks is none of the program's: it
// is refused rather than written to read back as something else.
std::optional<QByteArray> plainLine(const QString& key, const QVariant& value)
{
    const QString text = value.toString();
    const bool plain =
        value.typeId() == QMetaType::QString && std::all_of(text.begin(), text.end(), [](QChar c) {
            return c.unicode() < 0x80 && (c.isLetterOrNumber() || c == QLatin1Char('&'));
        });
    if (!plain)
        return std::nullopt;
    return (key + QLatin1Char('=') + text).toUtf8();
}

} // namespace

QSettings::Format ConfFile::format()
{
#if defined(Q_OS_WIN) || defined(Q_OS_DARWIN)
    return QSettings::NativeFormat;
#else
    static const QSettings::Format registered =
        QSettings::registerFormat(QStringLiteral("conf"), &ConfFile::read, &ConfFile::write);
    return registered;
#endif
}

bool ConfFile::read(QIODevice& device, QSettings::SettingsMap& map)
{
    for (const Line& line : parse(device.readAll())) {
        if (!line.key.isEmpty() && line.value)
            map.insert(mapKey(line.section, line.key), *line.value);
    }
    // Whatever could not be read is left out; the rest of the file still counts.
    return true;
}

bool ConfFile::write(QIODevice& device, const QSettings::SettingsMap& map)
{
    // The file as it stands: the device is a fresh file that replaces it when all is written.
    QByteArray before;
    if (auto* file = qobject_cast<QFileDevice*>(&device)) {
        QFile current(file->fileName());
        if (current.open(QIODevice::ReadOnly))
            before = current.readAll();
    }
    const bool crlf = before.contains("\r\n");
    std::vector<Line> lines = parse(before);

    QSettings::SettingsMap pending = map;
    std::vector<Line> out;
    out.reserve(lines.size() + map.size());
    for (Line& line : lines) {
        if (!line.key.isEmpty()) {
            const QString k = mapKey(line.section, line.key);
            const auto it = pending.find(k);
            if (it != pending.end()) {
                if (!line.value || *line.value != it.value()) {
                    const auto written = plainLine(line.key, it.value());
                    if (!written)
                        return false;
                    line.raw = *written;
                }
                pending.erase(it);
            } else if (line.value) {
                continue; // a key that was read and has since been removed
            }
        }
        out.push_back(std::move(line));
    }

    // New keys go at the end of their section, or into a new section at the end of the file.
    for (auto it = pending.cbegin(); it != pending.cend(); ++it) {
        const qsizetype slash = it.key().lastIndexOf(QLatin1Char('/'));
        const QString section = slash < 0 ? QString() : it.key().left(slash);
        const QString key = slash < 0 ? it.key() : it.key().mid(slash + 1);
        const auto inSection = [&](const Line& l) {
            return section.isEmpty() ? (l.section.isEmpty() || l.section == generalGroup)
                                     : l.section == section;
        };
        qsizetype at = -1;
        for (qsizetype i = 0; i < qsizetype(out.size()); ++i) {
            if (inSection(out[i]) && (out[i].isHeader || !out[i].key.isEmpty()))
                at = i + 1;
        }
        const auto written = plainLine(key, it.value());
        if (!written)
            return false;
        Line added{*written, section, key, false, std::nullopt};
        if (at < 0 && section.isEmpty()) {
            out.insert(out.begin(), std::move(added));
        } else if (at < 0) {
            if (!out.empty() && !out.back().raw.trimmed().isEmpty())
                out.push_back(Line{QByteArray(), out.back().section, {}, false, std::nullopt});
            out.push_back(Line{'[' + section.toUtf8() + ']', section, {}, true, std::nullopt});
            out.push_back(std::move(added));
        } else {
            out.insert(out.begin() + at, std::move(added));
        }
    }

    QByteArray bytes;
    for (const Line& line : out)
        bytes += line.raw + (crlf ? "\r\n" : "\n");
    return device.write(bytes) == bytes.size();
}
