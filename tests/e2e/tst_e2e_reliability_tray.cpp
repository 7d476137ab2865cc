#include "E2eSupport.h"

#include <QFile>
#include <QTest>

// The notification area going away and coming back under a running clock, and a second clock
// started next to the first.
namespace {

// Frame1 of the normal view sits at (56, 24) in the client area; the buttons stand on its row
// 280 px down, 97 x 25 px each.
QPoint buttonCentre(const QRect& client, int buttonLeftTwips)
{
    return client.topLeft() + QPoint(56, 24) + QPoint(buttonLeftTwips / 15 + 48, 4200 / 15 + 12);
}
constexpr int hideToTray = 0, closeButton = 3120;

bool reachable(const QString& window)
{
    return E2eSupport::wmState(window) == QLatin1String("Iconic") ||
           E2eSupport::mapState(window) == QLatin1String("IsViewable");
}

QByteArray bytesOf(const QString& fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class tst_E2eReliabilityTray : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void cleanupTestCase();

    void trayHostDiesAndComesBack_data();
    void trayHostDiesAndComesBack();
    void secondLaunchNextToTheFirst();

private:
    static QString waitForIcon(const E2eSupport& app);

    qint64 m_ownTrayHost = 0;
};

void tst_E2eReliabilityTray::cleanup()
{
    // The next test needs a notification area again.
    if (E2eTrayHost::pid() == 0)
        m_ownTrayHost = E2eTrayHost::start();
}

void tst_E2eReliabilityTray::cleanupTestCase()
{
    if (m_ownTrayHost && E2eTrayHost::pid() == m_ownTrayHost)
        E2eTrayHost::stop(m_ownTrayHost);
}

QString tst_E2eReliabilityTray::waitForIcon(const E2eSupport& app)
{
    QStringList icons;
    for (int i = 0; i < 50 && icons.isEmpty(); ++i) {
        icons = app.trayIconWindows();
        if (icons.isEmpty())
            QTest::qWait(100);
    }
    return icons.value(0);
}

void tst_E2eReliabilityTray::trayHostDiesAndComesBack_data()
{
    QTest::addColumn<bool>("fromTaskBar");
    QTest::newRow("brought back by the returning icon") << false;
    QTest::newRow("brought back from the task bar") << true;
}

void tst_E2eReliabilityTray::trayHostDiesAndComesBack()
{
    QFETCH(bool, fromTaskBar);
    E2eSupport app;
    QVERIFY(app.start());
    const QString window = app.waitForWindow(QStringLiteral("^Nimbex - "));
    QVERIFY(!window.isEmpty());
    QVERIFY(!waitForIcon(app).isEmpty());
    const QRect client = E2eSupport::clientGeometry(window);

    QVERIFY(E2eSupport::click(buttonCentre(client, hideToTray)));
    QTRY_COMPARE_WITH_TIMEOUT(E2eSupport::mapState(window), QStringLiteral("IsUnMapped"), 5000);

    // The only way back to the window goes with the notification area: it turns up on the task
    // bar instead, and the clock keeps running.
    const qint64 host = E2eTrayHost::pid();
    QVERIFY(host > 0);
    QVERIFY(E2eTrayHost::stop(host));
    QTRY_VERIFY_WITH_TIMEOUT(reachable(window), 3000);
    QVERIFY(app.isRunning());
    QTest::qWait(1500);
    QVERIFY(reachable(window));
    QVERIFY(app.isRunning());

    // A new notification area takes the icon in again, and it works as before.
    m_ownTrayHost = E2eTrayHost::start();
    QVERIFY(m_ownTrayHost > 0);
    QString icon;
    QTRY_VERIFY_WITH_TIMEOUT(!(icon = app.trayIconWindows().value(0)).isEmpty(), 5000);
    if (fromTaskBar)
        QVERIFY(E2eSupport::xdotool({"windowactivate", "--sync", window}));
    else
        QVERIFY(E2eSupport::click(E2eSupport::clientGeometry(icon).center()));
    QTRY_COMPARE_WITH_TIMEOUT(E2eSupport::mapState(window), QStringLiteral("IsViewable"), 5000);
    QTRY_COMPARE_WITH_TIMEOUT(E2eSupport::wmState(window), QStringLiteral("Normal"), 5000);
    // Where it was before it went: the window manager maps it elsewhere first, for a moment.
    QTRY_COMPARE_WITH_TIMEOUT(E2eSupport::clientGeometry(window), client, 5000);

    QVERIFY(E2eSupport::click(buttonCentre(client, hideToTray)));
    QTRY_COMPARE_WITH_TIMEOUT(E2eSupport::mapState(window), QStringLiteral("IsUnMapped"), 5000);
    QVERIFY(E2eSupport::click(E2eSupport::clientGeometry(icon).center()));
    QTRY_COMPARE_WITH_TIMEOUT(E2eSupport::mapState(window), QStringLiteral("IsViewable"), 5000);
}

void tst_E2eReliabilityTray::secondLaunchNextToTheFirst()
{
    E2eSupport first;
    first.seedSetting(QStringLiteral("Color"), QStringLiteral("&HFF"));
    first.seedSetting(QStringLiteral("Cheat"), QStringLiteral("True"));
    const QByteArray settings = bytesOf(first.settingsFile());
    QVERIFY(!settings.isEmpty());
    E2eSupport second;
    second.setEnvironment(QStringLiteral("XDG_CONFIG_HOME"), first.configHome());

    QVERIFY(first.start());
    const QString firstWindow = first.waitForWindow(QStringLiteral("^Nimbex - "));
    QVERIFY(!firstWindow.isEmpty());
    QVERIFY(second.start());
    const QString secondWindow = second.waitForWindow(QStringLiteral("^Nimbex - "));
    QVERIFY2(!secondWindow.isEmpty(), second.output().constData());
    QVERIFY(secondWindow != firstWindow);

    // Both run side by side, each with its own icon.
    QVERIFY(!waitForIcon(first).isEmpty());
    QVERIFY(!waitForIcon(second).isEmpty());
    QTest::qWait(2000);
    QVERIFY2(first.isRunning(), first.output().constData());
    QVERIFY2(second.isRunning(), second.output().constData());
    QCOMPARE(first.trayIconWindows().size(), 1);
    QCOMPARE(second.trayIconWindows().size(), 1);

    // Closing one leaves the other as it was.
    QVERIFY(E2eSupport::xdotool({"windowactivate", "--sync", secondWindow}));
    QVERIFY(E2eSupport::click(buttonCentre(E2eSupport::clientGeometry(secondWindow), closeButton)));
    QVERIFY(second.waitForExit(5000));
    QCOMPARE(second.exitCode(), 0);
    QTest::qWait(1500);
    QVERIFY(first.isRunning());
    QCOMPARE(E2eSupport::mapState(firstWindow), QStringLiteral("IsViewable"));
    QCOMPARE(first.trayIconWindows().size(), 1);

    QVERIFY(E2eSupport::xdotool({"windowactivate", "--sync", firstWindow}));
    QVERIFY(E2eSupport::click(buttonCentre(E2eSupport::clientGeometry(firstWindow), closeButton)));
    QVERIFY(first.waitForExit(5000));
    QCOMPARE(first.exitCode(), 0);
    QCOMPARE(bytesOf(first.settingsFile()), settings);
}

QTEST_MAIN(tst_E2eReliabilityTray)
#include "tst_e2e_reliability_tray.moc"
