#include "E2eSupport.h"

#include <QTest>

namespace {

// Frame1 of the normal view sits at (56, 24) in the client area; the buttons stand on its row
// 280 px down, 97 x 25 px each.
const QPoint normalFrame(56, 24);
QPoint buttonCentre(const QRect& client, const QPoint& frame, int buttonLeftTwips)
{
    return client.topLeft() + frame + QPoint(buttonLeftTwips / 15 + 48, 4200 / 15 + 12);
}
constexpr int hideToTray = 0, fullScreen = 1560;

QPoint centreOf(const QRect& r)
{
    return r.center();
}

// The bounding box of what is not white: the face and its buttons.
QRect drawnArea(const QImage& image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if ((line[x] & 0xFFFFFF) != 0xFFFFFF)
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

} // namespace

class tst_E2eTray : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void iconAppearsAndShowsItsTip();
    void hideToTrayThenClickRestores_data();
    void hideToTrayThenClickRestores();
    void minimisedBeforeHideStaysInTheTray();
    void rightClickMenuExitEndsTheProgram();
    void closingThroughTheWindowManagerEnds();
    void fullScreenAndBackKeepsTheGeometry();

private:
    QString startClock();
    QString waitForIcon();

    std::unique_ptr<E2eSupport> m_app;
};

void tst_E2eTray::init()
{
    m_app = std::make_unique<E2eSupport>();
}

void tst_E2eTray::cleanup()
{
    m_app->stop();
    m_app.reset();
}

QString tst_E2eTray::startClock()
{
    if (!m_app->start())
        return {};
    return m_app->waitForWindow(QStringLiteral("^Nimbex - "));
}

QString tst_E2eTray::waitForIcon()
{
    QStringList icons;
    for (int i = 0; i < 50 && icons.isEmpty(); ++i) {
        icons = m_app->trayIconWindows();
        if (icons.isEmpty())
            QTest::qWait(100);
    }
    return icons.value(0);
}

void tst_E2eTray::iconAppearsAndShowsItsTip()
{
    const QString window = startClock();
    QVERIFY(!window.isEmpty());
    const QString icon = waitForIcon();
    QVERIFY2(!icon.isEmpty(), "no icon was embedded in the notification area");
    const QRect iconRect = E2eSupport::clientGeometry(icon);
    QVERIFY(iconRect.width() >= 16 && iconRect.height() >= 16);
    // The clock's picture is drawn there: white dial, dark hands and a red second hand.
    const QImage picture = E2eSupport::grabScreen(iconRect);
    picture.save(QStringLiteral("e2e-tray-icon.png"));
    int red = 0, white = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const QColor c = picture.pixelColor(x, y);
            red += c.red() > 150 && c.red() > c.green() + 60 && c.red() > c.blue() + 60;
            white += c == QColor(Qt::white);
        }
    QVERIFY2(red > 0 && white > 10, "the tray shows no clock face");

    // Resting the pointer on it brings up the tip, a window of its own.
    const QStringList before = m_app->visibleWindows();
    QVERIFY(E2eSupport::xdotool({"mousemove", QString::number(centreOf(iconRect).x()),
                                 QString::number(centreOf(iconRect).y())}));
    QTRY_VERIFY_WITH_TIMEOUT(m_app->visibleWindows().size() > before.size(), 5000);
}

void tst_E2eTray::hideToTrayThenClickRestores_data()
{
    QTest::addColumn<int>("clicks");
    QTest::newRow("single click") << 1;
    QTest::newRow("double click, as the tip says") << 2;
}

void tst_E2eTray::hideToTrayThenClickRestores()
{
    QFETCH(int, clicks);
    const QString window = startClock();
    QVERIFY(!window.isEmpty());
    const QString icon = waitForIcon();
    QVERIFY(!icon.isEmpty());
    const QRect client = E2eSupport::clientGeometry(window);

    QVERIFY(E2eSupport::click(buttonCentre(client, normalFrame, hideToTray)));
    QTRY_COMPARE_WITH_TIMEOUT(E2eSupport::mapState(window), QStringLiteral("IsUnMapped"), 5000);

    QVERIFY(E2eSupport::click(centreOf(E2eSupport::clientGeometry(icon)), 1, clicks));
    QTRY_COMPARE_WITH_TIMEOUT(E2eSupport::mapState(window), QStringLiteral("IsViewable"), 5000);
    QTRY_COMPARE_WITH_TIMEOUT(E2eSupport::clientGeometry(window), client, 5000);
}

void tst_E2eTray::minimisedBeforeHideStaysInTheTray()
{
    const QString window = startClock();
    QVERIFY(!window.isEmpty());
    const QString icon = waitForIcon();
    QVERIFY(!icon.isEmpty());
    QVERIFY(E2eSupport::xdotool({"windowminimize", window}));
    QTRY_COMPARE_WITH_TIMEOUT(E2eSupport::mapState(window), QStringLiteral("IsUnMapped"), 5000);
    // Before any "Hide to Tray" a click on the icon does not bring it back ...
    QVERIFY(E2eSupport::click(centreOf(E2eSupport::clientGeometry(icon))));
    QTest::qWait(700);
    QCOMPARE(E2eSupport::mapState(window), QStringLiteral("IsUnMapped"));
    // ... the menu's Show does.
    QVERIFY(E2eSupport::click(centreOf(E2eSupport::clientGeometry(icon)), 3));
    QTest::qWait(500);
    QVERIFY(E2eSupport::xdotool({"key", "s"}));
    QTRY_COMPARE_WITH_TIMEOUT(E2eSupport::mapState(window), QStringLiteral("IsViewable"), 5000);
}

void tst_E2eTray::rightClickMenuExitEndsTheProgram()
{
    const QString window = startClock();
    QVERIFY(!window.isEmpty());
    const QString icon = waitForIcon();
    QVERIFY(!icon.isEmpty());
    const QStringList before = m_app->visibleWindows();
    QVERIFY(E2eSupport::click(centreOf(E2eSupport::clientGeometry(icon)), 3));
    // The File menu pops up as a window of its own.
    QTRY_VERIFY_WITH_TIMEOUT(m_app->visibleWindows().size() > before.size(), 5000);
    // Down past Show and Options (the separator is skipped) to "E&xit".
    QVERIFY(E2eSupport::xdotool({"key", "--delay", "100", "Down", "Down", "Down", "Return"}));
    QVERIFY(m_app->waitForExit(5000));
    QCOMPARE(m_app->exitCode(), 0);
    QVERIFY2(E2eSupport::mapState(icon).isEmpty(), "the tray icon outlived the program");
}

void tst_E2eTray::closingThroughTheWindowManagerEnds()
{
    const QString window = startClock();
    QVERIFY(!window.isEmpty());
    const QString icon = waitForIcon();
    QVERIFY(!icon.isEmpty());
    // openbox draws a close button anyway; Alt+F4 asks the same of the window.
    QVERIFY(E2eSupport::xdotool({"windowactivate", "--sync", window}));
    QVERIFY(E2eSupport::xdotool({"key", "alt+F4"}));
    QVERIFY(m_app->waitForExit(5000));
    QCOMPARE(m_app->exitCode(), 0);
    QVERIFY(E2eSupport::mapState(icon).isEmpty());
}

void tst_E2eTray::fullScreenAndBackKeepsTheGeometry()
{
    const QString window = startClock();
    QVERIFY(!window.isEmpty());
    QVERIFY(!waitForIcon().isEmpty());
    const QRect normal = E2eSupport::clientGeometry(window);

    for (int round = 0; round < 3; ++round) {
        QVERIFY(E2eSupport::click(buttonCentre(normal, normalFrame, fullScreen)));
        QTRY_VERIFY_WITH_TIMEOUT(E2eSupport::clientGeometry(window).width() > 1000, 5000);
        QTest::qWait(300);
        const QRect client = E2eSupport::clientGeometry(window);
        // The face is centred on the outer window, title bar and border included; the outer
        // window of a maximised one fills the work area above the tray's panel.
        const int titleBar = client.top();
        const QSize outer(client.width(), client.height() + titleBar);
        const QPoint frame(qRound((outer.width() * 15 / 2.0 - 6735 / 2.0) / 15),
                           qRound((outer.height() * 15 / 2.0 - 4695 / 2.0) / 15));
        const QRect drawn = drawnArea(E2eSupport::grabScreen(client));
        // Leftmost is "Hide to Tray" at the frame's left edge; topmost the row of 8-lamps.
        QVERIFY2(qAbs(drawn.left() - frame.x()) <= 1,
                 qPrintable(QStringLiteral("%1 vs %2").arg(drawn.left()).arg(frame.x())));
        QVERIFY2(qAbs(drawn.top() - (frame.y() + 16)) <= 1,
                 qPrintable(QStringLiteral("%1 vs %2").arg(drawn.top()).arg(frame.y() + 16)));

        QVERIFY(E2eSupport::click(buttonCentre(client, frame, fullScreen)));
        QTRY_COMPARE_WITH_TIMEOUT(E2eSupport::clientGeometry(window), normal, 5000);
    }
}

QTEST_MAIN(tst_E2eTray)
#include "tst_e2e_tray.moc"
