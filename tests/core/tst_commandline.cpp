#include "support/Texts.h"

#include <QProcess>
#include <QTest>

// The program's command line where there is no display: what it still answers, what it refuses
// before it looks for one, and how it ends where it finds none.
class tst_CommandLine : public QObject
{
    Q_OBJECT

private slots:
    void withoutADisplay_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("displays");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("printed"); // standard output, then standard error

        const QByteArray version(Texts::versionOption);
        const QStringList far{"DISPLAY=:4711", "WAYLAND_DISPLAY=nimbex-nowhere"};
        // clang-format off
        QTest::newRow("--version") << QStringList{"--version"} << QStringList() << 0 << version;
        QTest::newRow("--version after Qt's own options") << QStringList{"-style", "fusion", "--reverse", "--version"} << QStringList() << 0 << version;
        QTest::newRow("an unknown option, before the display") << QStringList{"-reverse", "--bogus"} << far << 1 << QByteArray("Nimbex: Unknown option 'bogus'.\n");
        QTest::newRow("no display") << QStringList() << QStringList() << 1
            << QByteArray("Nimbex: no X11 or Wayland display: DISPLAY is unset, WAYLAND_DISPLAY is unset\n");
        QTest::newRow("displays out of reach") << QStringList() << far << 1
            << QByteArray("Nimbex: no X11 or Wayland display: DISPLAY \":4711\" cannot be reached, WAYLAND_DISPLAY \"nimbex-nowhere\" cannot be reached\n");
        // clang-format on
    }

    void withoutADisplay()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, displays);
        QFETCH(int, status);
        QFETCH(QByteArray, printed);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name :
             {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE"})
            env.remove(name);
        for (const QString& display : displays)
            env.insert(display.section('=', 0, 0), display.section('=', 1));
        QProcess nimbex;
        nimbex.setProcessEnvironment(env);
        nimbex.start(qEnvironmentVariable("NIMBEX_BINARY"), arguments);
        QVERIFY(nimbex.waitForFinished());
        QCOMPARE(nimbex.exitStatus(), QProcess::NormalExit); // no core dump
        QCOMPARE(nimbex.exitCode(), status);
        QCOMPARE(nimbex.readAllStandardOutput() + nimbex.readAllStandardError(), printed);
    }
};

QTEST_GUILESS_MAIN(tst_CommandLine)
#include "tst_commandline.moc"
