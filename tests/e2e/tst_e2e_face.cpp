#include "E2e.h"

#include <QElapsedTimer>
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
    QTest::addColumn<QString>("button");
    const QString desktop = qEnvironmentVariable("NIMBEX_DESKTOP");
    if (desktop == "sway")
        QTest::newRow("as started") << QString();
    if (desktop != "swaybare")
        QTest::newRow("Full Screen refused") << "Full Screen";
    if (desktop != "sway")
        QTest::newRow("Hide to Tray without a tray") << "Hide to Tray";
}

void tst_E2eFace::face()
{
    QFETCH(QString, button);
    // An hour of 4 to 7, so h4 is lit too.
    const QTime from(17, 46, 28);
    App app(from);
    QElapsedTimer running; // the program's clock runs from `from` on
    running.start();
    const QRect client = app.window();
    QVERIFY2(!client.isNull(), app.output());
    QTime shown; // the last second seen on the face in its normal place
    const auto showsAfter = [&](QTime t) {
        shown = E2e::faceTime(E2e::grab(app.window()), from, Qt::blue);
        return shown.isValid() && shown > t;
    };
    QTRY_VERIFY(showsAfter(from.addSecs(-1)));
    if (!button.isEmpty()) {
        QVERIFY(app.press(client, button));
        // The program waits a moment for the window manager before it falls back; then the face
        // is in its normal place again, and the window where it was, as big as it was.
        const QTime fallenBack = from.addMSecs(running.elapsed() + 2000);
        QTRY_VERIFY(showsAfter(fallenBack));
        QCOMPARE(E2e::placement(app.window()), E2e::placement(client));
    }
    QCOMPARE(client.size(), QSize(510, 339));
    // A resize as a user might ask it: a window whose size is fixed again keeps its surface (sway
    // centres it); one left resizable grows with the face stuck in its corner.
    if (E2e::wayland()) {
        E2e::run("swaymsg",
                 {QString("[pid=%1] resize set 696 px 473 px").arg(app.process().processId())});
        QVERIFY(E2e::stays([&] { return app.window().size() == client.size(); }, 1000));
    }
    // The face keeps ticking.
    const QTime seen = shown;
    QTRY_VERIFY(showsAfter(seen));
    const QByteArray printed = app.output(); // warnings
    QVERIFY2(printed.isEmpty(), printed);
}

QTEST_GUILESS_MAIN(tst_E2eFace)
#include "tst_e2e_face.moc"
