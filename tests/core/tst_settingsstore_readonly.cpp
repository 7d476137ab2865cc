#include "settings/ConfFile.h"
#include "settings/Settings.h"
#include "settings/SettingsStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <unistd.h>

namespace {

const char childFlag[] = "--write-twice";
const char readFlag[] = "--read";
const char homelessFlag[] = "--homeless";

// Run in a child process: the failure is reported once per run, so every scenario needs a
// fresh one, and its standard error is then easy to capture.
int writeTwice(const QString& storeFolder)
{
    QSettings::setPath(ConfFile::format(), QSettings::UserScope, storeFolder);
    const bool first = SettingsStore::Write(Settings::application, Settings::section,
                                            Settings::colorKey, QStringLiteral("&HFF"));
    const bool second = SettingsStore::Write(Settings::application, Settings::section,
                                             Settings::cheatKey, QStringLiteral("True"));
    std::printf("%d %d\n", int(first), int(second));
    return 0;
}

// Reads the colour as the clock does at start, and prints what it got.
int readOnce(const QString& storeFolder)
{
    QSettings::setPath(ConfFile::format(), QSettings::UserScope, storeFolder);
    std::printf("%s\n",
                qPrintable(SettingsStore::Read(Settings::application, Settings::section,
                                               Settings::colorKey, Settings::defaultColor)));
    return 0;
}

// Without HOME: reads give the defaults, a save is refused.
int readAndWriteHomeless()
{
    const QString color = SettingsStore::Read(Settings::application, Settings::section,
                                              Settings::colorKey, Settings::defaultColor);
    const bool saved = SettingsStore::Write(Settings::application, Settings::section,
                                            Settings::colorKey, QStringLiteral("&HFF"));
    std::printf("%s %d\n", qPrintable(color), int(saved));
    return 0;
}

// A store folder as a scenario wants it; its permissions are given back when it goes, so the
// temporary folder can be removed.
struct Scene
{
    Scene(bool fileExists, bool folderWritable, bool fileWritable, const QByteArray& before)
    {
        if (fileExists) {
            QFile f(file());
            if (!f.open(QIODevice::WriteOnly) || f.write(before) != before.size())
                return;
            f.close();
            if (!fileWritable &&
                !f.setPermissions(QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther))
                return;
        }
        if (!folderWritable &&
            !QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner))
            return;
        ready = dir.isValid();
    }
    ~Scene()
    {
        QFile::setPermissions(dir.path(), folderPermissions);
        QFile::setPermissions(file(), QFile::ReadOwner | QFile::WriteOwner);
    }
    QString file() const { return QDir(dir.path()).filePath(QStringLiteral("Vantrel.conf")); }

    QTemporaryDir dir;
    const QFile::Permissions folderPermissions = QFile::permissions(dir.path());
    bool ready = false;
};

bool runningAsRoot()
{
    return qEnvironmentVariableIsSet("NIMBEX_RUNNING_AS_ROOT") || geteuid() == 0;
}

const QByteArray plain("[Nimbex]\nColor=&HFF00FF\nCheat=False\n");
// As some editors save it.
const QByteArray withBom = "\xEF\xBB\xBF" + plain;

} // namespace

class tst_SettingsStoreReadOnly : public QObject
{
    Q_OBJECT

private slots:
    void failedWrite_data();
    void failedWrite();
    void noHome();
};

void tst_SettingsStoreReadOnly::failedWrite_data()
{
    QTest::addColumn<bool>("fileExists");
    QTest::addColumn<bool>("folderWritable");
    QTest::addColumn<bool>("fileWritable");
    QTest::addColumn<QByteArray>("before");

    QTest::newRow("read-only folder, no file yet") << false << false << false << QByteArray();
    // The file alone being writable is no help: it is replaced, never written in place.
    QTest::newRow("read-only folder, writable file") << true << false << true << plain;
    QTest::newRow("read-only folder and file") << true << false << false << plain;
    QTest::newRow("read-only file in a writable folder") << true << true << false << plain;
    QTest::newRow("read-only file with a byte-order mark") << true << true << false << withBom;
}

void tst_SettingsStoreReadOnly::failedWrite()
{
    if (runningAsRoot())
        QSKIP("runs as root, for whom file permissions do not apply; run it unprivileged");
    QFETCH(bool, fileExists);
    QFETCH(bool, folderWritable);
    QFETCH(bool, fileWritable);
    QFETCH(QByteArray, before);

    Scene scene(fileExists, folderWritable, fileWritable, before);
    QVERIFY(scene.ready);
    const QString file = scene.file();

    // At start the stored choice is still read, and that it cannot be changed is said at once.
    QProcess reader;
    reader.start(QCoreApplication::applicationFilePath(), {readFlag, scene.dir.path()});
    QVERIFY(reader.waitForFinished(30000));
    QCOMPARE(reader.readAllStandardOutput().trimmed(),
             fileExists ? QByteArray("&HFF00FF") : QByteArray("&HFF0000"));
    const QList<QByteArray> told = reader.readAllStandardError().trimmed().split('\n');
    QCOMPARE(told.size(), 1);
    QVERIFY2(told.first().contains(file.toLocal8Bit()), told.first().constData());

    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {childFlag, scene.dir.path()});
    QVERIFY(child.waitForFinished(30000));
    QCOMPARE(child.exitCode(), 0);
    QCOMPARE(child.readAllStandardOutput().trimmed(), QByteArray("0 0"));

    const QList<QByteArray> warning = child.readAllStandardError().trimmed().split('\n');
    QCOMPARE(warning.size(), 1);
    // The one line tells which file was left alone.
    QVERIFY2(warning.first().contains(file.toLocal8Bit()), warning.first().constData());

    // What was stored stays, byte for byte and as a reader sees it.
    QCOMPARE(QFile::exists(file), fileExists);
    if (fileExists) {
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), before);
        QSettings fresh(file, QSettings::IniFormat);
        QCOMPARE(fresh.value("Nimbex/Color").toString(), QStringLiteral("&HFF00FF"));
        QCOMPARE(fresh.value("Nimbex/Cheat").toString(), QStringLiteral("False"));
    }
    QCOMPARE(QDir(scene.dir.path()).entryList(QDir::Files | QDir::Hidden),
             fileExists ? QStringList{"Vantrel.conf"} : QStringList());
}

void tst_SettingsStoreReadOnly::noHome()
{
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("HOME"));
    env.remove(QStringLiteral("XDG_CONFIG_HOME"));
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), {homelessFlag});
    QVERIFY(child.waitForFinished(30000));
    QCOMPARE(child.exitCode(), 0);
    QCOMPARE(child.readAllStandardOutput().trimmed(), QByteArray("&HFF0000 0"));
    const QList<QByteArray> warning = child.readAllStandardError().trimmed().split('\n');
    QCOMPARE(warning.size(), 1);
    QVERIFY2(warning.first().contains("HOME"), warning.first().constData());
}

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], childFlag) == 0)
        return writeTwice(QString::fromLocal8Bit(argv[2]));
    if (argc == 3 && qstrcmp(argv[1], readFlag) == 0)
        return readOnce(QString::fromLocal8Bit(argv[2]));
    if (argc == 2 && qstrcmp(argv[1], homelessFlag) == 0)
        return readAndWriteHomeless();
    tst_SettingsStoreReadOnly test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_settingsstore_readonly.moc"
