#include "settings/ConfFile.h"
#include "settings/Settings.h"
#include "support/TempStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <unistd.h>

namespace {

const char childFlag[] = "--child";

// A fresh process per scenario, since the store reports its trouble once a run: reads the colour
// as the clock does at start, then saves twice.
int child(const QString& folder)
{
    if (folder != QLatin1String("-"))
        QSettings::setPath(ConfFile::format(), QSettings::UserScope, folder);
    const QString color = Settings::color();
    std::fprintf(stderr, "read\n");
    const bool first = Settings::setColor(QStringLiteral("&HFF"));
    const bool second = Settings::setCheat(true);
    std::printf("%s %d %d\n", qPrintable(color), int(first), int(second));
    return 0;
}

const QByteArray plain("[Nimbex]\nColor=&HFF00FF\nCheat=False\n");

// The store's file, read or replaced whole.
QByteArray raw(const TempStore& store, const QByteArray& replacement = {})
{
    QFile file(store.file());
    if (replacement.isNull())
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    return file.open(QIODevice::WriteOnly) && file.write(replacement) ? replacement : "unwritten";
}

} // namespace

// The settings file: as edited by hand, and where it cannot be written.
class tst_SettingsStore : public QObject
{
    Q_OBJECT

private slots:
    void handEdited_data();
    void handEdited();
    void failedWrite_data();
    void failedWrite();
};

void tst_SettingsStore::handEdited_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("color"); // as read before the save
    QTest::addColumn<bool>("cheat");
    QTest::addColumn<QByteArray>("after"); // once Color is saved; empty: not compared

    const QString blue = QStringLiteral("&HFF0000");
    // clang-format off
    QTest::newRow("comments and another section") << QByteArray("; my clock\n[Other]\nk=v ; note\n\n[Nimbex]\n# colour\nColor=&HFF\n") << "&HFF" << false
        << QByteArray("; my clock\n[Other]\nk=v ; note\n\n[Nimbex]\n# colour\nColor=&HFFFF\n");
    QTest::newRow("a new key joins its section") << QByteArray("[Nimbex]\nCheat=True\n[Other]\nx=1\n") << blue << true
        << QByteArray("[Nimbex]\nCheat=True\nColor=&HFFFF\n[Other]\nx=1\n");
    QTest::newRow("lines it cannot read stay and hide nothing") << QByteArray("bad \x01 line\n[Nimbex]\n=no key\nColor=\"&HFF\nCheat=True\n") << blue << true
        << QByteArray("bad \x01 line\n[Nimbex]\n=no key\nColor=&HFFFF\nCheat=True\n");
    QTest::newRow("blanks, Windows line ends") << QByteArray("[Nimbex]\r\nColor = &HFF \r\n") << "&HFF" << false << QByteArray("[Nimbex]\r\nColor=&HFFFF\r\n");
    QTest::newRow("a list") << QByteArray("[Nimbex]\nColor=a, b\n") << blue << false << QByteArray("[Nimbex]\nColor=&HFFFF\n");
    QTest::newRow("quoted") << QByteArray("[Nimbex]\nColor=\"&HFF00\"\n") << "&HFF00" << false << QByteArray();
    QTest::newRow("byte order mark") << QByteArray("\xEF\xBB\xBF[Nimbex]\nColor=&HFF\n") << "&HFF" << false << QByteArray();
    QTest::newRow("header without ]") << QByteArray("[Nimbex\nCheat=True\n") << blue << true << QByteArray();
    QTest::newRow("another section") << QByteArray("[Other]\nColor=&HFF\n") << blue << false << QByteArray();
    QTest::newRow("a key in another case") << QByteArray("[Nimbex]\ncheat=True\n") << blue << false << QByteArray();
    // clang-format on
}

void tst_SettingsStore::handEdited()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, color);
    QFETCH(bool, cheat);
    QFETCH(QByteArray, after);
    TempStore store;
    QCOMPARE(raw(store, before), before);
    QCOMPARE(Settings::color(), color);
    QCOMPARE(Settings::cheat(), cheat);
    QVERIFY(Settings::setColor(QStringLiteral("&HFFFF")));
    QCOMPARE(Settings::color(), QStringLiteral("&HFFFF"));
    if (!after.isEmpty())
        QCOMPARE(raw(store), after);
    // Qt's own reader finds in the saved file every value the program finds there.
    QSettings ours(store.file(), ConfFile::format()), qt(store.file(), QSettings::IniFormat);
    for (const QString& key : ours.allKeys())
        QCOMPARE(qt.value(key), ours.value(key));
}

void tst_SettingsStore::failedWrite_data()
{
    QTest::addColumn<QString>("readOnly");  // "HOME": there is none
    QTest::addColumn<QByteArray>("before"); // null: no file yet

    QTest::newRow("read-only folder, no file yet") << "folder" << QByteArray();
    // The file is replaced, never written in place: its own permission is no help.
    QTest::newRow("read-only folder, writable file") << "folder" << plain;
    QTest::newRow("read-only file") << "file" << plain;
    QTest::newRow("read-only file with a byte-order mark") << "file"
                                                           << "\xEF\xBB\xBF" + plain;
    QTest::newRow("no HOME") << "HOME" << QByteArray();
}

void tst_SettingsStore::failedWrite()
{
    QFETCH(QString, readOnly);
    QFETCH(QByteArray, before);
    const bool home = readOnly != "HOME";
    if (home && geteuid() == 0)
        QSKIP("file permissions do not bind root; run it unprivileged");
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Vantrel.conf"));
    QFile f(file);
    if (!before.isNull()) {
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(before) == before.size());
        f.close();
        QVERIFY(readOnly != "file" || f.setPermissions(QFile::ReadOwner));
    }
    const QFile::Permissions folderPermissions = QFile::permissions(dir.path());
    if (readOnly == "folder")
        QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
    const auto restore = qScopeGuard([&] { QFile::setPermissions(dir.path(), folderPermissions); });

    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (!home) {
        env.remove(QStringLiteral("HOME"));
        env.remove(QStringLiteral("XDG_CONFIG_HOME"));
    }
    process.setProcessEnvironment(env);
    process.start(QCoreApplication::applicationFilePath(),
                  {childFlag, home ? dir.path() : QStringLiteral("-")});
    QVERIFY(process.waitForFinished(30000));

    // The stored choice is still read, and that it cannot be saved is said once, at the start.
    QCOMPARE(process.readAllStandardOutput().trimmed(),
             (before.isNull() ? "&HFF0000" : "&HFF00FF") + QByteArray(" 0 0"));
    const QList<QByteArray> told = process.readAllStandardError().trimmed().split('\n');
    QCOMPARE(told.size(), 2);
    QVERIFY2(told[0].contains(home ? file.toLocal8Bit() : "HOME"), told[0].constData());
    QCOMPARE(told[1], "read");
    // What was stored stays, byte for byte, and nothing is left beside it.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
             before.isNull() ? QStringList() : QStringList{"Vantrel.conf"});
    QVERIFY(before.isNull() || (f.open(QIODevice::ReadOnly) && f.readAll() == before));
}

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], childFlag) == 0)
        return child(QString::fromLocal8Bit(argv[2]));
    tst_SettingsStore test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_settingsstore.moc"
