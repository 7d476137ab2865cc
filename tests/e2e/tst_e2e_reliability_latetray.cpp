#include "E2eSupport.h"

#include <QTest>

// A desktop whose notification area starts only after the clock: until then nothing may hide the
// window beyond reach, and from then on the icon works as usual.
namespace {

// "Hide to Tray" at the left end of the button row of the normal view.
QPoint hideToTrayCentre(const QRect& client)
{
    return client.topLeft() + QPoint(56 + 48, 24 + 280 + 12);
}

} // namespace

class tst_E2eReliabilityLateTray : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void trayHostAppearsLater_data();
    void trayHostAppearsLater();

private:
    qint64 m_trayHost = 0;
};

void tst_E2eReliabilityLateTray::cleanup()
{
    // The next row starts without a notification area again.
    if (m_trayHost)
        E2eTrayHost::stop(m_trayHost);
    m_trayHost = 0;
}

void tst_E2eReliabilityLateTray::trayHostAppearsLater_data()
{
    QTest::addColumn<bool>("fromTaskBar");
    QTest::newRow("brought back by the new icon") << false;
    QTest::newRow("brought back from the task bar") << true;
}

void tst_E2eReliabilityLateTray::trayHostAppearsLater()
{
    QFETCH(bool, fromTaskBar);
    QCOMPARE(E2eTrayHost::pid(), 0);
    E2eSupport app;
    QVERIFY(app.start());
    const QString window = app.waitForWindow(QStringLiteral("^Nimbex - "));
    QVERIFY(!window.isEmpty());
    const QRect client = E2eSupport::clientGeometry(window);
    QTest::qWait(500);
    QVERIFY(app.trayIconWindows().isEmpty());

    // No notification area yet: Hide to Tray puts the window on the task bar.
    QVERIFY(E2eSupport::click(hideToTrayCentre(client)));
    QTRY_COMPARE_WITH_TIMEOUT(E2eSupport::wmState(window), QStringLiteral("Iconic"), 5000);

    m_trayHost = E2eTrayHost::start();
    QVERIFY(m_trayHost > 0);
    QString icon;
    QTRY_VERIFY_WITH_TIMEOUT(!(icon = app.trayIconWindows().value(0)).isEmpty(), 5000);
    // Minimised, the window stays on the task bar.
    QCOMPARE(E2eSupport::wmState(window), QStringLiteral("Iconic"));

    if (fromTaskBar)
        QVERIFY(E2eSupport::xdotool({"windowactivate", "--sync", window}));
    else
        QVERIFY(E2eSupport::click(E2eSupport::clientGeometry(icon).center()));
    QTRY_COMPARE_WITH_TIMEOUT(E2eSupport::mapState(window), QStringLiteral("IsViewable"), 5000);
    QTRY_COMPARE_WITH_TIMEOUT(E2eSupport::clientGeometry(window), client, 5000);

    // Now Hide to Tray hides the window, and the icon brings it back.
    QVERIFY(E2eSupport::click(hideToTrayCentre(client)));
    QTRY_COMPARE_WITH_TIMEOUT(E2eSupport::mapState(window), QStringLiteral("IsUnMapped"), 5000);
    QTest::qWait(300);
    QVERIFY2(E2eSupport::wmState(window) != QLatin1String("Iconic"),
             "hidden to the task bar, not to the tray");
    QVERIFY(E2eSupport::click(E2eSupport::clientGeometry(icon).center()));
    QTRY_COMPARE_WITH_TIMEOUT(E2eSupport::mapState(window), QStringLiteral("IsViewable"), 5000);
    QTRY_COMPARE_WITH_TIMEOUT(E2eSupport::clientGeometry(window), client, 5000);
}

QTEST_MAIN(tst_E2eReliabilityLateTray)
#include "tst_e2e_reliability_latetray.moc"
