#include "E2e.h"

#include <QTest>

// The face on screen after what a desktop may refuse: Full Screen where nothing maximises the
// window (no window manager, or sway), Hide to Tray where there is no tray (bare X, sway without
// waybar).
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
        QTest::newRow("Full Screen refused") << int(FullScreen);
    if (desktop != "sway")
        QTest::newRow("Hide to Tray without a tray") << int(HideToTray);
}

void tst_E2eFace::face()
{
    QFETCH(int, button);
    // An hour of 4 to 7, so h4 is lit too.
    const QTime from(17, 46, 28);
    App app(from);
    QRect client = app.window();
    QVERIFY(!client.isNull());
    if (button >= 0) {
        QVERIFY(app.press(client, Button(button)));
        // The program waits a moment for the window manager before it falls back.
        QTest::qWait(2500);
        // A resize as a user might ask it: a window whose size is fixed again keeps its surface
        // (sway centres it); one left resizable grows with the face stuck in its corner.
        if (E2e::wayland())
            E2e::run("swaymsg",
                     {QString("[pid=%1] resize set 696 px 473 px").arg(app.process().processId())});
        QTest::qWait(500);
        client = app.window();
    }
    QCOMPARE(client.size(), QSize(510, 339));
    // The face keeps ticking: two different seconds show in turn.
    QTime first, t;
    for (int i = 0; i < 20 && (!first.isValid() || t == first); ++i) {
        QTest::qWait(250);
        t = E2e::faceTime(E2e::grab(client), from, Qt::blue);
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
