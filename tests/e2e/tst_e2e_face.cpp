#include "E2e.h"

#include <QTest>

// The face on screen after what a desktop may carry out or refuse: Full Screen and back (nothing
// maximises without a window manager, sway tiles, Weston holds the program to what it
// configured), Hide to Tray where there is no tray (bare X, sway without waybar, Weston).
class tst_E2eFace : public QObject
{
    Q_OBJECT

private slots:
    void face_data();
    void face();
};

void tst_E2eFace::face_data()
{
    QTest::addColumn<int>("button");
    const QString desktop = qEnvironmentVariable("NIMBEX_DESKTOP");
    if (desktop == "sway")
        QTest::newRow("as started") << -1;
    if (desktop != "swaybare")
        QTest::newRow("Full Screen, then Normal where it took") << int(FullScreen);
    if (desktop == "bare" || desktop == "swaybare" || desktop == "weston")
        QTest::newRow("Hide to Tray without a tray") << int(HideToTray);
}

void tst_E2eFace::face()
{
    QFETCH(int, button);
    // An hour of 4 to 7, so h4 is lit too; a program whose time is faked never reaches the
    // accessibility bus, so there it runs from now.
    const QTime from = E2e::atspi() ? QTime::currentTime() : QTime(17, 46, 28);
    App app(E2e::atspi() ? QTime() : from);
    const QRect normal = app.window();
    QVERIFY(!normal.isNull());
    if (E2e::atspi()) // one application, named, on the bus a screen reader reads
        QCOMPARE(E2e::atspi(app.process().processId(), {"apps"}), "Nimbex\n");
    QRect client = normal;
    if (button >= 0) {
        QVERIFY(app.press(client, Button(button)));
        // The program waits a moment for the window manager before it falls back.
        QTest::qWait(2500);
        if (app.window().width() > normal.width())
            QVERIFY(app.press(client, FullScreen));
        // A resize as a user might ask it: a window whose size is fixed again keeps its surface
        // (sway centres it); one left resizable grows with the face stuck in its corner.
        if (E2e::wayland() && !E2e::atspi())
            E2e::run("swaymsg",
                     {QString("[pid=%1] resize set 696 px 473 px").arg(app.process().processId())});
        QTest::qWait(500);
        client = app.window();
    }
    // Back in place, where the desktop tells the place.
    QCOMPARE(client, normal);
    QCOMPARE(client.size(), QSize(510, 339));
    // The face keeps ticking: two different seconds show in turn.
    QTime first, t;
    for (int i = 0; i < 20 && (!first.isValid() || t == first); ++i) {
        QTest::qWait(250);
        const QImage shown = E2e::grab(client);
        t = !shown.isNull() || !E2e::atspi()
                ? E2e::faceTime(shown, from, Qt::blue)
                : QTime::fromString(E2e::atspi(app.process().processId(), {"face"}).trimmed());
        if (!first.isValid())
            first = t;
    }
    QVERIFY2(first.isValid(), "the face shows no time since the start");
    QVERIFY2(t != first, "the face stands still");
    const QByteArray printed = app.output(); // warnings
    QVERIFY2(printed.isEmpty(), printed);
}

QTEST_GUILESS_MAIN(tst_E2eFace)
#include "tst_e2e_face.moc"
