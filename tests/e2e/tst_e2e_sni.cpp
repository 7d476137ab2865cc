#include "E2e.h"

#include <QRegularExpression>
#include <QTest>

// The icon on a StatusNotifier tray (xfce4-panel on X11, waybar on sway), driven over D-Bus as
// the host drives it.
class tst_E2eSni : public QObject
{
    Q_OBJECT

private slots:
    void hiddenWindow_data();
    void hiddenWindow();
};

namespace {

QString gdbus(const QString& bus, const QString& path, const QString& method,
              const QStringList& arguments)
{
    return QString::fromUtf8(E2e::run(
        "gdbus", QStringList{"call", "-e", "-d", bus, "-o", path, "-m", method, "--"} + arguments));
}

// The bus name of the item the program with this pid registered. GNOME's watcher lists an item
// as "name@path", the others as "name/path", and may still list the item of a program that has
// just ended.
QString itemOf(qint64 pid)
{
    const QString items = gdbus("org.kde.StatusNotifierWatcher", "/StatusNotifierWatcher",
                                "org.freedesktop.DBus.Properties.Get",
                                {"org.kde.StatusNotifierWatcher", "RegisteredStatusNotifierItems"});
    for (const auto& m : QRegularExpression("'([^'/@]+)").globalMatch(items)) {
        const QString owner =
            gdbus("org.freedesktop.DBus", "/org/freedesktop/DBus",
                  "org.freedesktop.DBus.GetConnectionUnixProcessID", {m.captured(1)});
        if (owner == QStringLiteral("(uint32 %1,)\n").arg(pid))
            return m.captured(1);
    }
    return {};
}

} // namespace

void tst_E2eSni::hiddenWindow_data()
{
    QTest::addColumn<QString>("action");
    QTest::newRow("Activate restores") << "Activate";
    QTest::newRow("ContextMenu shows no window") << "ContextMenu";
    QTest::newRow("menu Show restores") << "Show";
}

void tst_E2eSni::hiddenWindow()
{
    QFETCH(QString, action);
    App app;
    const QRect client = app.window();
    QVERIFY(!client.isNull());
    QString item;
    QTRY_VERIFY2(!(item = itemOf(app.process().processId())).isEmpty(), "no item registered");
    const auto call = [&item](const QString& path, const QString& method,
                              const QStringList& arguments) {
        return gdbus(item, path, method, arguments);
    };
    QVERIFY(app.press(client, "Hide to Tray"));
    QTRY_VERIFY(app.window("^Nimbex - ", 0).isNull());

    if (action == "Activate" || action == "ContextMenu") {
        QVERIFY(!call("/StatusNotifierItem", "org.kde.StatusNotifierItem." + action, {"0", "0"})
                     .isNull());
    } else {
        const QString menu =
            QRegularExpression("'(/[^']*)'")
                .match(call("/StatusNotifierItem", "org.freedesktop.DBus.Properties.Get",
                            {"org.kde.StatusNotifierItem", "Menu"}))
                .captured(1);
        // Each item: <(id, {properties}, [])>; access keys come as "_".
        QStringList labels;
        QString id;
        for (const auto& m :
             QRegularExpression("<\\((\\d+), \\{[^}]*'label': <'([^']*)'>")
                 .globalMatch(call(menu, "com.canonical.dbusmenu.GetLayout", {"0", "-1", "[]"}))) {
            labels << m.captured(2).remove('_');
            if (labels.last() == action)
                id = m.captured(1);
        }
        QCOMPARE(labels, QStringList({"Show", "Options", "Exit"}));
        call(menu, "com.canonical.dbusmenu.Event", {id, "clicked", "<0>", "0"});
    }
    if (action == "ContextMenu") {
        // A menu with no window on screen to hang from must not become a window filling the
        // screen; away from the pointer, the desktop shows. Where the desktop lends no
        // screenshots, the accessibility bus shows no window of the program's.
        const qint64 pid = app.process().processId();
        QVERIFY(E2e::stays(
            [pid] {
                const QImage away = E2e::grab(QRect(1100, 300, 1, 1));
                if (!away.isNull())
                    return away.pixelColor(0, 0) != Qt::white;
                return E2e::atspi() && E2e::atspi(pid, {"window", "."}).isNull();
            },
            1000));
    } else {
        QCOMPARE(E2e::placement(app.window()), E2e::placement(client));
    }
    const QByteArray printed = app.output(); // warnings
    QVERIFY2(printed.isEmpty(), printed);
}

QTEST_GUILESS_MAIN(tst_E2eSni)
#include "tst_e2e_sni.moc"
