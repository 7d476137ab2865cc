#include "tray/TrayMessage.h"

#include <QTest>
#include <cmath>

// A tray icon's mouse message, as it reaches the window in the X of a mouse move, back to the
// message number and what the window does on it.
class tst_TrayMessage : public QObject
{
    Q_OBJECT

private slots:
    void decode_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<int>("scaleMode"); // 1 twips, 15 to the pixel; 3 pixels
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("action");
        QTest::newRow("mouse move") << 512.0 * 15 << 1 << 512 << "none";
        QTest::newRow("left button up restores") << 514.0 * 15 << 1 << 514 << "restore";
        QTest::newRow("left double-click restores") << 515.0 * 15 << 1 << 515 << "restore";
        QTest::newRow("right button down") << 516.0 * 15 << 1 << 516 << "none";
        QTest::newRow("right button up: the menu") << 517.0 * 15 << 1 << 517 << "menu";
        QTest::newRow("middle button up") << 520.0 * 15 << 1 << 520 << "none";
        QTest::newRow("a twip off") << 514.0 * 15 + 7 << 1 << 514 << "restore";
        QTest::newRow("in pixels") << 517.0 << 3 << 517 << "menu";
        QTest::newRow("a half down to the even neighbour") << 514.5 << 3 << 514 << "restore";
        QTest::newRow("a half up to the even neighbour") << 515.5 * 15 << 1 << 516 << "none";
        QTest::newRow("not a number") << std::nan("") << 3 << 0 << "none";
        QTest::newRow("beyond an int") << 1e12 << 3 << 0 << "none";
    }

    void decode()
    {
        QFETCH(double, x);
        QFETCH(int, scaleMode);
        QFETCH(int, code);
        QFETCH(QString, action);
        QCOMPARE(TrayMessage::codeFromX(x, scaleMode, 15), code);
        const QStringList actions{"none", "restore", "menu"};
        QCOMPARE(actions[int(TrayMessage::actionFor(code))], action);
    }
};

QTEST_GUILESS_MAIN(tst_TrayMessage)
#include "tst_traymessage.moc"
