#include "tray/TrayMessage.h"
#include "tray/modSystray.h"

#include <QTest>
#include <cstring>

using TrayMessage::Action;

class tst_TrayMessage : public QObject
{
    Q_OBJECT

private slots:
    void decodesX_data();
    void decodesX();
    void actions_data();
    void actions();
    void tipField();
    void longTipIsCutAtTheField();
};

void tst_TrayMessage::decodesX_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<int>("scaleMode");
    QTest::addColumn<int>("code");

    // The shell's message number arrives as pixels times 15 twips.
    QTest::newRow("left button up in twips") << 7710.0 << 1 << 514;
    QTest::newRow("double click in twips") << 7725.0 << 1 << 515;
    QTest::newRow("right button up in twips") << 7755.0 << 1 << 517;
    QTest::newRow("just under a half rounds down") << 514.49 * 15 << 1 << 514;
    QTest::newRow("just over a half rounds up") << 514.51 * 15 << 1 << 515;
    QTest::newRow("half rounds to even, down") << 514.5 * 15 << 1 << 514;
    QTest::newRow("half rounds to even, up") << 515.5 * 15 << 1 << 516;
    QTest::newRow("half below 514 rounds up to it") << 513.5 * 15 << 1 << 514;
    QTest::newRow("pixel scale takes X as it is") << 517.0 << 3 << 517;
    QTest::newRow("pixel scale rounds half to even") << 516.5 << 3 << 516;
    QTest::newRow("pixel scale ignores the twips factor") << 7710.0 << 3 << 7710;
    QTest::newRow("not a number") << std::nan("") << 1 << 0;
    QTest::newRow("far beyond any code") << 1e300 << 1 << 0;
}

void tst_TrayMessage::decodesX()
{
    QFETCH(double, x);
    QFETCH(int, scaleMode);
    QFETCH(int, code);
    QCOMPARE(TrayMessage::codeFromX(x, scaleMode, 15.0), code);
}

void tst_TrayMessage::actions_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<Action>("action");

    QTest::newRow("mouse move") << 512 << Action::None;
    QTest::newRow("left button down") << 513 << Action::None;
    QTest::newRow("left button up restores") << 514 << Action::Restore;
    QTest::newRow("left double click restores") << 515 << Action::Restore;
    QTest::newRow("right button down alone") << 516 << Action::None;
    QTest::newRow("right button up pops up the menu") << 517 << Action::PopupMenu;
    QTest::newRow("middle button up") << 520 << Action::None;
    QTest::newRow("zero") << 0 << Action::None;
    QTest::newRow("negative") << -514 << Action::None;
    QTest::newRow("twips value not decoded") << 7710 << Action::None;
}

void tst_TrayMessage::actions()
{
    QFETCH(int, code);
    QFETCH(Action, action);
    QCOMPARE(TrayMessage::actionFor(code), action);
}

void tst_TrayMessage::tipField()
{
    NOTIFYICONDATA record{};
    record.szTip.fill('x');
    modSystray::setTip(record, "Nimbex - DoubleClick to Show");
    const char* text = "Nimbex - DoubleClick to Show";
    const std::size_t n = std::strlen(text);
    QCOMPARE(QByteArray(record.szTip.data(), int(n)), QByteArray(text));
    QCOMPARE(record.szTip[n], '\0');
    for (std::size_t i = n + 1; i < record.szTip.size(); ++i)
        QCOMPARE(record.szTip[i], ' ');
}

void tst_TrayMessage::longTipIsCutAtTheField()
{
    NOTIFYICONDATA record{};
    const QByteArray longText(100, 'a');
    modSystray::setTip(record, longText.constData());
    QCOMPARE(record.szTip[63], '\0');
    QCOMPARE(QByteArray(record.szTip.data()), QByteArray(63, 'a'));
}

QTEST_GUILESS_MAIN(tst_TrayMessage)
#include "tst_traymessage.moc"
