#include "settings/ConfFile.h"
#include "settings/Settings.h"
#include "settings/SettingsStore.h"

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
    const QString color = SettingsStore::Read(Settings::application, Settings::section,
                                              Settings::colorKey, Settings::defaultColor);
    std::fprintf(stderr, "read\n");
    const bool first = SettingsStore::Write(Settings::application, Settings::section,
                                            Settings::colorKey, QStringLiteral("&HFF"));
    const bool second = SettingsStore::Write(Settings::application, Settings::section,
                                             Settings::cheatKey, QStringLiteral("True"));
    std::printf("%s %d %d\n", qPrintable(color), int(first), int(second));
    return 0;
}

const QByteArray plain("[Nimbex]\nColor=&HFF00FF\nCheat=False\n");

} // namespace

class tst_SettingsStoreReadOnly : public QObject
{
    Q_OBJECT

private slots:
    void failedWrite_data();
    void failedWrite();
};

void tst_SettingsStoreReadOnly::failedWrite_data()
{
    QTest::addColumn<bool>("home");
    QTest::addColumn<bool>("fileExists");
    QTest::addColumn<bool>("folderWritable");
    QTest::addColumn<bool>("fileWritable");
    QTest::addColumn<QByteArray>("before");

    QTest::newRow("read-only folder, no file yet")
        << true << false << false << false << QByteArray();
    // The file is replaced, never written in place: its own permission is no help.
    QTest::newRow("read-only folder, writable file") << true << true << false << true << plain;
    QTest::newRow("read-only file") << true << true << true << false << plain;
    QTest::newRow("read-only file with a byte-order mark")
        << true << true << true << false << "\xEF\xBB\xBF" + plain;
    QTest::newRow("no HOME") << false << false << true << true << QByteArray();
}

void tst_SettingsStoreReadOnly::failedWrite()
{
    QFETCH(bool, home);
    QFETCH(bool, fileExists);
    QFETCH(bool, folderWritable);
    QFETCH(bool, fileWritable);
    QFETCH(QByteArray, before);
    if (home && (geteuid() == 0 || qEnvironmentVariableIsSet("NIMBEX_RUNNING_AS_ROOT")))
        QSKIP("file permissions do not bind root; run it unprivileged");

    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Vantrel.conf"));
    QFile f(file);
    if (fileExists) {
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(before) == before.size());
        f.close();
        if (!fileWritable)
            QVERIFY(f.setPermissions(QFile::ReadOwner));
    }
    const QFile::Permissions folderPermissions = QFile::permissions(dir.path());
    if (!folderWritable)
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
             (fileExists ? "&HFF00FF" : "&HFF0000") + QByteArray(" 0 0"));
    const QList<QByteArray> told = process.readAllStandardError().trimmed().split('\n');
    QCOMPARE(told.size(), 2);
    QVERIFY2(told[0].contains(home ? file.toLocal8Bit() : "HOME"), told[0].constData());
    QCOMPARE(told[1], "read");
    // What was stored stays, byte for byte.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
             fileExists ? QStringList{"Vantrel.conf"} : QStringList());
    if (fileExists) {
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), before);
    }
}

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], childFlag) == 0)
        return child(QString::fromLocal8Bit(argv[2]));
    tst_SettingsStoreReadOnly test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_settingsstore_readonly.moc"
