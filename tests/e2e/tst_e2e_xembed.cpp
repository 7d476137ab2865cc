#include "E2e.h"

#include <QFile>
#include <QSet>
#include <QTest>

// X11 with openbox and trayer's notification area (XEmbed): the keyboard path through Options,
// the icon's clicks and menu, and what only a real window manager shows.
class tst_E2eXembed : public QObject
{
    Q_OBJECT

private slots:
    void optionsByKeyboardReachTheFileAndTheFace();
    void icon_data();
    void icon();
    void minimiseAfterATrayRestoreHides();
    void windowsOpenCentred();
    void optionsMinimisedComeBackReachable();
};

namespace {

const QString clockTitle = QStringLiteral("^Nimbex - "),
              optionsTitle = QStringLiteral("^Nimbex Options$"),
              aboutTitle = QStringLiteral("^About Nimbex$");

// Whether a window's outer rectangle is centred on an area, to the pixel that halving an odd size
// leaves. One placed while no frame of ours could be measured (the first window, or a dialog of a
// hidden one) is off by up to half the frame openbox then adds round its client area.
bool centred(const QRect& outer, const QRect& area, const QRect& client = {})
{
    const QPoint off = outer.center() - area.center();
    const QSize slack =
        (client.isNull() ? QSize() : (outer.size() - client.size()) / 2) + QSize(1, 1);
    return qAbs(off.x()) <= slack.width() && qAbs(off.y()) <= slack.height();
}

// The icon is the program's small window in trayer's panel along the bottom edge.
QRect trayIcon(App& app)
{
    return app.window("^$");
}

bool minimise(App& app, const QString& title)
{
    return !E2e::run("xdotool",
                     {"search", "--all", "--pid", QString::number(app.process().processId()),
                      "--name", title, "windowminimize"})
                .isNull();
}

// Opens the icon's menu and picks an item by its access key once the menu is on screen: a window
// of the program's that was not visible before, whatever else the window manager is unmapping.
bool menu(App& app, const QString& key)
{
    const auto windows = [&] {
        const QByteArray ids = E2e::run("xdotool", {"search", "--all", "--onlyvisible", "--pid",
                                                    QString::number(app.process().processId())});
        const QList<QByteArray> list = ids.split('\n');
        return QSet<QByteArray>(list.begin(), list.end());
    };
    const QSet<QByteArray> before = windows();
    return E2e::click(trayIcon(app).center(), 3) &&
           QTest::qWaitFor([&] { return !(windows() - before).isEmpty(); }, E2e::patienceMs) &&
           E2e::keys({key});
}

} // namespace

void tst_E2eXembed::optionsByKeyboardReachTheFileAndTheFace()
{
    const QTime from(20, 45, 58);
    App app(from);
    QTRY_VERIFY(E2e::faceTime(E2e::grab(app.window(clockTitle)), from, Qt::blue).isValid());

    // Focus starts on "Full Screen"; Tab goes to "Close", "Hide to Tray", then "Options".
    QVERIFY(E2e::keys({"Tab", "Tab", "Tab", "space"}));
    QTRY_VERIFY(E2e::active(optionsTitle));
    // The colour list has the focus: "o" picks Orange. Then past Save, Cancel, About and the cheat
    // frame's "No" to its "Yes", on to the next frame's "Yes", and round to "Save and Close".
    QVERIFY(E2e::keys({"o", "Tab", "Tab", "Tab", "Tab", "Tab", "space", "Tab", "space", "Tab",
                       "Tab", "Tab", "space"}));
    QTRY_VERIFY(app.window(optionsTitle, 0).isNull());

    QFile file(app.settingsFile());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), "[Nimbex]\nColor=&H000080FF\nCheat=True\nCheatNum=True\n");

    QTRY_VERIFY(
        E2e::faceTime(E2e::grab(app.window(clockTitle)), from, QColor(255, 128, 0)).isValid());
}

void tst_E2eXembed::icon_data()
{
    QTest::addColumn<QString>("way");
    QTest::newRow("click restores what Hide to Tray hid") << "click";
    QTest::newRow("menu Show restores") << "s";
    // The second right click comes within a double-click's time of the first.
    QTest::newRow("menu Show after the menu at once again") << "again";
}

void tst_E2eXembed::icon()
{
    QFETCH(QString, way);
    App app;
    const QRect client = app.window(clockTitle);
    QTRY_VERIFY(!trayIcon(app).isNull());
    QVERIFY(app.press(client, "Hide to Tray"));
    QTRY_VERIFY(app.window(clockTitle, 0).isNull());
    if (way == "click") {
        QVERIFY(E2e::click(trayIcon(app).center()));
    } else if (way == "again") {
        QVERIFY(menu(app, "Escape"));
        QVERIFY(menu(app, "s"));
    } else {
        QVERIFY(menu(app, way));
    }
    QCOMPARE(app.window(clockTitle), client);
    const QByteArray printed = app.output(); // warnings
    QVERIFY2(printed.isEmpty(), printed);
}

void tst_E2eXembed::minimiseAfterATrayRestoreHides()
{
    App app;
    const QRect client = app.window(clockTitle);
    QTRY_VERIFY(!trayIcon(app).isNull());
    QVERIFY(app.press(client, "Hide to Tray"));
    QTRY_VERIFY(app.window(clockTitle, 0).isNull());
    QVERIFY(E2e::click(trayIcon(app).center()));
    QTRY_VERIFY(E2e::active(clockTitle));
    QVERIFY(minimise(app, clockTitle));
    QTRY_VERIFY(app.window(clockTitle, 0).isNull());
    // Not bounced back by the restore before.
    QVERIFY(E2e::stays([&] { return app.window(clockTitle, 0).isNull(); }, 1500));
    QVERIFY(E2e::click(trayIcon(app).center()));
    QCOMPARE(app.window(clockTitle), client);
}

void tst_E2eXembed::windowsOpenCentred()
{
    App app;
    QRect client = app.window(clockTitle);
    // On the screen above trayer's panel.
    const QRect area = E2e::workArea();
    QVERIFY(centred(app.outer(clockTitle), area, client));

    // Options over the clock wherever it went; About on the screen, like the clock at first.
    QVERIFY(!E2e::run("xdotool",
                      {"search", "--all", "--pid", QString::number(app.process().processId()),
                       "--name", clockTitle, "windowmove", "60", "80"})
                 .isNull());
    QTRY_VERIFY(app.window(clockTitle).topLeft() != client.topLeft());
    client = app.window(clockTitle);
    QVERIFY(app.press(client, "Options"));
    QTRY_VERIFY(centred(app.outer(optionsTitle), app.outer(clockTitle)));
    // From the colour list past Save and Cancel to About, once keys reach the dialog.
    QTRY_VERIFY(E2e::active(optionsTitle));
    QVERIFY(E2e::keys({"Tab", "Tab", "Tab", "space"}));
    QTRY_VERIFY(centred(app.outer(aboutTitle), area));
    QTRY_VERIFY(E2e::active(aboutTitle));
    QVERIFY(E2e::keys({"Escape"}));
    QTRY_VERIFY(app.window(aboutTitle, 0).isNull());
    QTRY_VERIFY(E2e::active(optionsTitle));
    QVERIFY(E2e::keys({"alt+a"}));
    QTRY_VERIFY(app.window(optionsTitle, 0).isNull());

    // With the clock hidden, on the screen.
    QTRY_VERIFY(!trayIcon(app).isNull());
    QVERIFY(app.press(client, "Hide to Tray"));
    QTRY_VERIFY(app.window(clockTitle, 0).isNull());
    QVERIFY(menu(app, "o"));
    QTRY_VERIFY(centred(app.outer(optionsTitle), area, app.window(optionsTitle)));
}

void tst_E2eXembed::optionsMinimisedComeBackReachable()
{
    App app;
    const QRect client = app.window(clockTitle);
    QTRY_VERIFY(!trayIcon(app).isNull());
    QVERIFY(menu(app, "o"));
    QVERIFY(!app.window(optionsTitle).isNull());
    // openbox takes the clock down with its dialog.
    QVERIFY(minimise(app, optionsTitle));
    QTRY_VERIFY(app.window(optionsTitle, 0).isNull());
    QTRY_VERIFY(app.window(clockTitle, 0).isNull());
    QVERIFY(menu(app, "s"));
    QCOMPARE(app.window(clockTitle), client);
    // The window manager's restore ends before it takes clicks.
    QTRY_VERIFY(E2e::active(clockTitle));
    QVERIFY(app.press(client, "Options"));
    QVERIFY(!app.window(optionsTitle).isNull());
    QVERIFY(!app.window(clockTitle, 0).isNull());
}

QTEST_GUILESS_MAIN(tst_E2eXembed)
#include "tst_e2e_xembed.moc"
