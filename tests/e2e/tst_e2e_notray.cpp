#include "E2eSupport.h"

#include <QTest>

// A desktop without a notification area: nothing may hide the window beyond reach.
class tst_E2eNoTray : public QObject
{
    Q_OBJECT

private slots:
    void hideToTrayMinimisesInstead_data();
    void hideToTrayMinimisesInstead();
};

void tst_E2eNoTray::hideToTrayMinimisesInstead_data()
{
    QTest::addColumn<bool>("byButton");
    QTest::newRow("Hide to Tray") << true;
    QTest::newRow("minimised by the window manager") << false;
}

void tst_E2eNoTray::hideToTrayMinimisesInstead()
{
    QFETCH(bool, byButton);
    E2eSupport app;
    QVERIFY(app.start());
    const QString window = app.waitForWindow(QStringLiteral("^Nimbex - "));
    QVERIFY(!window.isEmpty());
    QTest::qWait(500);
    QVERIFY(app.trayIconWindows().isEmpty());

    const QRect client = E2eSupport::clientGeometry(window);
    if (byButton)
        QVERIFY(E2eSupport::click(client.topLeft() + QPoint(56 + 48, 24 + 280 + 12)));
    else
        QVERIFY(E2eSupport::xdotool({"windowminimize", window}));
    QTRY_COMPARE_WITH_TIMEOUT(E2eSupport::wmState(window), QStringLiteral("Iconic"), 5000);
    // Still on the task bar, and still there a few ticks later.
    QTest::qWait(1500);
    QCOMPARE(E2eSupport::wmState(window), QStringLiteral("Iconic"));
    QVERIFY(app.isRunning());

    QVERIFY(E2eSupport::xdotool({"windowactivate", "--sync", window}));
    QTRY_COMPARE_WITH_TIMEOUT(E2eSupport::mapState(window), QStringLiteral("IsViewable"), 5000);
    QTRY_COMPARE_WITH_TIMEOUT(E2eSupport::clientGeometry(window), client, 5000);
    app.stop();
}

QTEST_MAIN(tst_E2eNoTray)
#include "tst_e2e_notray.moc"
