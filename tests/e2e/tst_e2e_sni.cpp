#include "E2e.h"

#include <QRegularExpression>
#include <QTest>

// The icon on a StatusNotifier tray (xfce4-panel on X11, waybar on sway), driven over D-Bus as
// the host drives it.
class tst_E2eSni : public QObject
{
    Q_OBJECT

private slots:
    void activateRestoresTheHiddenWindow();
    void menu_data();
    void menu();
};

namespace {

bool hide(App& app, const QRect& client)
{
    return app.press(client, HideToTray) &&
           QTest::qWaitFor([&] { return app.window("^Nimbex - ", 0).isNull(); });
}

} // namespace

void tst_E2eSni::activateRestoresTheHiddenWindow()
{
    App app;
    QVERIFY(app.start());
    const QRect client = app.window();
    QVERIFY(!client.isNull());
    QTRY_VERIFY(!E2e::sniItem().isEmpty());
    QVERIFY(hide(app, client));
    QVERIFY(!E2e::sniCall("/StatusNotifierItem", "org.kde.StatusNotifierItem.Activate", {"0", "0"})
                 .isEmpty());
    QCOMPARE(app.window().size(), client.size());
    QVERIFY2(app.process().readAll().isEmpty(), "the program warned");
}

void tst_E2eSni::menu_data()
{
    QTest::addColumn<QString>("item");
    QTest::newRow("Show restores") << "Show";
    QTest::newRow("Exit ends, the icon with it") << "Exit";
}

void tst_E2eSni::menu()
{
    QFETCH(QString, item);
    App app;
    QVERIFY(app.start());
    const QRect client = app.window();
    QVERIFY(!client.isNull());
    QTRY_VERIFY(!E2e::sniItem().isEmpty());
    QVERIFY(hide(app, client));

    const QString path =
        QString::fromUtf8(E2e::sniCall("/StatusNotifierItem", "org.freedesktop.DBus.Properties.Get",
                                       {"org.kde.StatusNotifierItem", "Menu"}));
    const QString menuPath = QRegularExpression("'(/[^']*)'").match(path).captured(1);
    const QString layout = QString::fromUtf8(
        E2e::sniCall(menuPath, "com.canonical.dbusmenu.GetLayout", {"0", "-1", "[]"}));
    // Each item: <(id, {properties}, [])>; access keys come as "_".
    QStringList labels;
    int id = -1;
    QRegularExpression entry("<\\((\\d+), \\{[^}]*'label': <'([^']*)'>");
    for (const auto& m : entry.globalMatch(layout)) {
        labels << m.captured(2).remove('_');
        if (labels.last() == item)
            id = m.captured(1).toInt();
    }
    QCOMPARE(labels, QStringList({"Show", "Options", "Exit"}));
    E2e::sniCall(menuPath, "com.canonical.dbusmenu.Event",
                 {QString::number(id), "clicked", "<0>", "0"});
    if (item == "Show") {
        QCOMPARE(app.window().size(), client.size());
    } else {
        QVERIFY(app.process().waitForFinished(5000));
        QCOMPARE(app.process().exitCode(), 0);
        QTRY_VERIFY2(E2e::sniItem().isEmpty(), "the icon outlived the program");
    }
    QVERIFY2(app.process().readAll().isEmpty(), "the program warned");
}

QTEST_GUILESS_MAIN(tst_E2eSni)
#include "tst_e2e_sni.moc"
