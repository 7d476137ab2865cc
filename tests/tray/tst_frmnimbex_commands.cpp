#include "app/SecondTimer.h"
#include "ui/Twips.h"
#include "app/frmNimbex.h"
#include "settings/SettingsStore.h"
#include "support/TempStore.h"
#include "support/TestClock.h"
#include "tray/ShellTray.h"
#include "tray/TrayMouseEvent.h"
#include "tray/modSystray.h"

#include <QApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QSystemTrayIcon>
#include <QTest>
#include <QTimer>
#include <memory>

using namespace modSystray;

// What the window should show in each view, read off the window itself.
struct View
{
    QString caption;
    int windowState;
    bool fScreen;
};

class tst_FrmNimbexCommands : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void loadReadsThenAddsTheIconBeforeTheColour();
    void loadTakesTheStoredTexts_data();
    void loadTakesTheStoredTexts();
    void trayRecord();
    void optionsCommandsReReadInTheirOrders_data();
    void optionsCommandsReReadInTheirOrders();

    void firstShowIsTheNormalView();
    void fullScreenAndBack();
    void anyOtherCaptionCountsAsFullScreen();
    void maximisedOtherwiseKeepsTheNormalFace();
    void restoredOtherwiseFromFullScreenIsNormal();
    void normalGeometryIsKeptOverRoundTrips();

    void hideWithoutTrayMinimisesInstead();
    void minimiseWithoutTrayStaysReachable();
    void sHiddenNeverReturnsToFalse();

    void trayMessages_data();
    void trayMessages();
    void pointerMovementIsNoTrayMessage();
    void rightClickPopsUpTheFileMenu();
    void showMenuItemBringsTheWindowBack_data();
    void showMenuItemBringsTheWindowBack();

    void closeAndExitDeleteTheIcon_data();
    void closeAndExitDeleteTheIcon();

private:
    std::unique_ptr<frmNimbex> makeWindow(bool show = true);
    static View view(const frmNimbex& w);
    static void postTray(frmNimbex& w, int code);

    std::unique_ptr<TempStore> m_store;
    TestClock m_clock{QDateTime(QDate(2026, 12, 6), QTime(9, 5, 7))};
    QStringList m_calls;
};

void tst_FrmNimbexCommands::init()
{
    m_store = std::make_unique<TempStore>();
    m_calls.clear();
    SettingsStore::setReadObserver([this](const QString& key) { m_calls << key; });
    ShellTray::setCallObserver([this](quint32 message) {
        m_calls << (message == NIM_ADD      ? QStringLiteral("NIM_ADD")
                    : message == NIM_DELETE ? QStringLiteral("NIM_DELETE")
                                            : QStringLiteral("NIM_?"));
    });
}

void tst_FrmNimbexCommands::cleanup()
{
    SettingsStore::setReadObserver({});
    ShellTray::setCallObserver({});
    m_store.reset();
}

std::unique_ptr<frmNimbex> tst_FrmNimbexCommands::makeWindow(bool show)
{
    auto w = std::make_unique<frmNimbex>(m_clock);
    if (show) {
        w->show();
        if (!QTest::qWaitForWindowExposed(w.get()))
            qWarning("window not exposed");
    }
    return w;
}

View tst_FrmNimbexCommands::view(const frmNimbex& w)
{
    return {w.Command1->text(), w.WindowState(), w.fScreen.equalsTrue()};
}

void tst_FrmNimbexCommands::postTray(frmNimbex& w, int code)
{
    QCoreApplication::postEvent(&w, new TrayMouseEvent(0, 0, float(code * Twips::perPixel), 0));
    QCoreApplication::processEvents();
}

void tst_FrmNimbexCommands::loadReadsThenAddsTheIconBeforeTheColour()
{
    auto w = makeWindow(false);
    QCOMPARE(m_calls, (QStringList{"Cheat", "CheatNum", "NIM_ADD", "Color"}));
    QVERIFY(w->Timer1->Enabled());
    QVERIFY(!w->sHidden.isEmpty());
    QVERIFY(!w->sHidden.equalsTrue());
}

void tst_FrmNimbexCommands::loadTakesTheStoredTexts_data()
{
    QTest::addColumn<QString>("cheat");
    QTest::addColumn<QString>("cheatNum");
    QTest::addColumn<QString>("color");
    QTest::addColumn<bool>("cheatShown");
    QTest::addColumn<bool>("bitsShown");
    QTest::addColumn<QString>("onColor");

    QTest::newRow("empty store") << QString() << QString() << QString() << false << false
                                 << "&HFF0000";
    QTest::newRow("both aids on, orange") << "True"
                                          << "True"
                                          << "&H000080FF" << true << true << "&H000080FF";
    QTest::newRow("hand-edited lower-case true") << "true"
                                                 << "TRUE"
                                                 << "&HFF" << true << true << "&HFF";
    QTest::newRow("hand-edited nonsense") << "yes"
                                          << "1"
                                          << "&Hnonsense" << false << false << "&Hnonsense";
}

void tst_FrmNimbexCommands::loadTakesTheStoredTexts()
{
    QFETCH(QString, cheat);
    QFETCH(QString, cheatNum);
    QFETCH(QString, color);
    QFETCH(bool, cheatShown);
    QFETCH(bool, bitsShown);
    QFETCH(QString, onColor);
    if (!cheat.isNull())
        m_store->seed("Cheat", cheat);
    if (!cheatNum.isNull())
        m_store->seed("CheatNum", cheatNum);
    if (!color.isNull())
        m_store->seed("Color", color);

    auto w = makeWindow(false);
    // cHidden keeps the stored text as it was read.
    QCOMPARE(w->cHidden.text(), cheat.isNull() ? QStringLiteral("False") : cheat);
    QCOMPARE(w->cHidden.equalsTrue(), cheatShown);
    QCOMPARE(w->cNum, bitsShown);
    QCOMPARE(w->onColor, onColor);
    // Reading never writes: an empty store stays empty.
    if (cheat.isNull())
        QVERIFY(m_store->other()->childKeys().isEmpty());
}

void tst_FrmNimbexCommands::trayRecord()
{
    auto w = makeWindow(false);
    QCOMPARE(trayIcon.cbSize, 88u);
    QCOMPARE(trayIcon.uID, 1u);
    QCOMPARE(trayIcon.uFlags, 7u);
    QCOMPARE(trayIcon.uCallbackMessage, 512u);
    QCOMPARE(ShellTray::window(trayIcon.hWnd), w.get());
    QVERIFY(!ShellTray::icon(trayIcon.hIcon).isNull());
    QVERIFY(ShellTray::exists(trayIcon.hWnd, 1));
    QCOMPARE(ShellTray::toolTip(trayIcon.hWnd, 1), QStringLiteral("Nimbex - DoubleClick to Show"));
}

void tst_FrmNimbexCommands::optionsCommandsReReadInTheirOrders_data()
{
    QTest::addColumn<bool>("fromButton");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("Options button") << true << QStringList{"Cheat", "Color", "CheatNum"};
    QTest::newRow("Options menu item") << false << QStringList{"Cheat", "CheatNum", "Color"};
}

void tst_FrmNimbexCommands::optionsCommandsReReadInTheirOrders()
{
    QFETCH(bool, fromButton);
    QFETCH(QStringList, order);
    auto w = makeWindow();
    m_store->seed("Cheat", "True");
    m_store->seed("CheatNum", "True");
    m_store->seed("Color", "&HFF00");
    m_calls.clear();

    // Whatever dialog opens is closed again without saving, from inside its wait.
    QTimer closer;
    connect(&closer, &QTimer::timeout, [] {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top->isVisible() && top->inherits("QDialog"))
                top->close();
        }
    });
    closer.start(50);
    if (fromButton)
        w->Command2_Click();
    else
        w->Options_Click();
    closer.stop();

    QStringList reads;
    for (const QString& call : m_calls) {
        if (call == "Cheat" || call == "CheatNum" || call == "Color")
            reads << call;
    }
    // The dialog reads the store too when it loads; the window's re-read comes last.
    QVERIFY2(reads.size() >= 3, qPrintable(reads.join(',')));
    QCOMPARE(reads.mid(reads.size() - 3), order);
    QCOMPARE(w->cHidden.text(), QStringLiteral("True"));
    QVERIFY(w->cNum);
    QCOMPARE(w->onColor, QStringLiteral("&HFF00"));
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top != w.get() && top->isVisible())
            top->close();
}

void tst_FrmNimbexCommands::firstShowIsTheNormalView()
{
    auto w = makeWindow(false);
    QVERIFY(w->fScreen.isEmpty()); // until the window is first shown
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    QCOMPARE(w->Frame1->pos(), Twips::point(840, 360));
    QCOMPARE(view(*w).caption, QStringLiteral("Full Screen"));
    QVERIFY(!w->fScreen.isEmpty());
    QVERIFY(!w->fScreen.equalsTrue());
    QCOMPARE(w->size(), Twips::size(7650, 5085));
}

void tst_FrmNimbexCommands::fullScreenAndBack()
{
    auto w = makeWindow();
    w->Command1->click();
    QTRY_COMPARE(w->WindowState(), 2);
    QCOMPARE(view(*w).caption, QStringLiteral("Normal"));
    QVERIFY(w->fScreen.equalsTrue());
    // Centred on the outer window, frame and title bar included.
    QTRY_VERIFY(w->width() > Twips::toPixels(7650));
    const QRect outer = w->frameGeometry();
    const QPoint centred((outer.width() * 15 / 2.0 - 6735 / 2.0) / 15 + 0.5,
                         (outer.height() * 15 / 2.0 - 4695 / 2.0) / 15 + 0.5);
    QTRY_COMPARE(w->Frame1->pos(), centred);

    w->Command1->click();
    QTRY_COMPARE(w->WindowState(), 0);
    QCOMPARE(view(*w).caption, QStringLiteral("Full Screen"));
    QVERIFY(!w->fScreen.equalsTrue());
    QCOMPARE(w->Frame1->pos(), Twips::point(840, 360));
    QTRY_COMPARE(w->size(), Twips::size(7650, 5085));
}

void tst_FrmNimbexCommands::anyOtherCaptionCountsAsFullScreen()
{
    auto w = makeWindow();
    w->Command1->setText(QStringLiteral("full screen")); // not exactly "Full Screen"
    w->Command1->click();
    QCOMPARE(w->WindowState(), 0);
    QCOMPARE(view(*w).caption, QStringLiteral("Full Screen"));
    QVERIFY(!w->fScreen.equalsTrue());
    QCOMPARE(w->Frame1->pos(), Twips::point(840, 360));
}

void tst_FrmNimbexCommands::maximisedOtherwiseKeepsTheNormalFace()
{
    auto w = makeWindow();
    w->showMaximized();
    QTRY_COMPARE(w->WindowState(), 2);
    QCOMPARE(view(*w).caption, QStringLiteral("Full Screen"));
    QVERIFY(!w->fScreen.equalsTrue());
    QCOMPARE(w->Frame1->pos(), Twips::point(840, 360));

    // Full Screen from there centres the face.
    w->Command1->click();
    QCOMPARE(view(*w).caption, QStringLiteral("Normal"));
    QVERIFY(w->fScreen.equalsTrue());
    QTRY_VERIFY(w->Frame1->x() > Twips::toPixels(840));
}

void tst_FrmNimbexCommands::restoredOtherwiseFromFullScreenIsNormal()
{
    auto w = makeWindow();
    w->Command1->click();
    QTRY_COMPARE(w->WindowState(), 2);
    w->showNormal();
    QTRY_COMPARE(w->WindowState(), 0);
    QCOMPARE(view(*w).caption, QStringLiteral("Full Screen"));
    QVERIFY(!w->fScreen.equalsTrue());
    QCOMPARE(w->Frame1->pos(), Twips::point(840, 360));
    QTRY_COMPARE(w->size(), Twips::size(7650, 5085));
}

void tst_FrmNimbexCommands::normalGeometryIsKeptOverRoundTrips()
{
    auto w = makeWindow();
    const QRect before = w->geometry();
    for (int i = 0; i < 3; ++i) {
        w->Command1->click();
        QTRY_COMPARE(w->WindowState(), 2);
        w->Command1->click();
        QTRY_COMPARE(w->WindowState(), 0);
        QTRY_COMPARE(w->geometry(), before);
    }
}

void tst_FrmNimbexCommands::hideWithoutTrayMinimisesInstead()
{
    QVERIFY2(!QSystemTrayIcon::isSystemTrayAvailable(), "this case needs a desktop without a tray");
    auto w = makeWindow();
    w->Command3->click();
    QVERIFY(w->sHidden.equalsTrue());
    QCOMPARE(w->WindowState(), 1);
    QVERIFY(!w->isHidden()); // still on the task bar
}

void tst_FrmNimbexCommands::minimiseWithoutTrayStaysReachable()
{
    auto w = makeWindow();
    w->showMinimized();
    QTRY_COMPARE(w->WindowState(), 1);
    QVERIFY(!w->isHidden());
    QVERIFY(!w->sHidden.equalsTrue());
}

void tst_FrmNimbexCommands::sHiddenNeverReturnsToFalse()
{
    auto w = makeWindow();
    w->Command3->click();
    postTray(*w, 514);
    QTRY_VERIFY(w->isVisible() && w->WindowState() == 0);
    w->Command1->click();
    w->Command1->click();
    w->showMinimized();
    w->showNormal();
    QVERIFY(w->sHidden.equalsTrue());
}

void tst_FrmNimbexCommands::trayMessages_data()
{
    QTest::addColumn<bool>("hiddenToTrayFirst");
    QTest::addColumn<bool>("fullScreen");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("stateAfter");

    QTest::newRow("click before any Hide to Tray does nothing") << false << false << 514 << 1;
    QTest::newRow("double click before any Hide to Tray does nothing")
        << false << false << 515 << 1;
    QTest::newRow("click after Hide to Tray restores normal") << true << false << 514 << 0;
    QTest::newRow("double click after Hide to Tray restores") << true << false << 515 << 0;
    QTest::newRow("click restores the full-screen view") << true << true << 514 << 2;
    QTest::newRow("left button down alone") << true << false << 513 << 1;
    QTest::newRow("right button down alone") << true << false << 516 << 1;
    QTest::newRow("plain mouse move") << true << false << 512 << 1;
    QTest::newRow("unknown code") << true << false << 600 << 1;
}

void tst_FrmNimbexCommands::trayMessages()
{
    QFETCH(bool, hiddenToTrayFirst);
    QFETCH(bool, fullScreen);
    QFETCH(int, code);
    QFETCH(int, stateAfter);
    auto w = makeWindow();
    if (fullScreen) {
        w->Command1->click();
        QTRY_COMPARE(w->WindowState(), 2);
    }
    if (hiddenToTrayFirst)
        w->Command3->click();
    else
        w->showMinimized();
    QTRY_COMPARE(w->WindowState(), 1);

    postTray(*w, code);
    QTRY_COMPARE(w->WindowState(), stateAfter);
    if (stateAfter != 1) {
        QVERIFY(w->isVisible());
        QCOMPARE(w->fScreen.equalsTrue(), fullScreen);
        QCOMPARE(w->Command1->text(),
                 fullScreen ? QStringLiteral("Normal") : QStringLiteral("Full Screen"));
    }
}

void tst_FrmNimbexCommands::pointerMovementIsNoTrayMessage()
{
    auto w = makeWindow();
    w->Command3->click(); // sHidden True: a tray click would now restore
    w->showMaximized();   // maximised otherwise: a restore would make it normal
    QTRY_COMPARE(w->WindowState(), 2);
    QTRY_VERIFY(w->width() > 517);
    for (int x : {514, 515, 517}) {
        QMouseEvent move(QEvent::MouseMove, QPointF(x, 5), w->mapToGlobal(QPointF(x, 5)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(w.get(), &move);
    }
    QCoreApplication::processEvents();
    QCOMPARE(w->WindowState(), 2);
    QVERIFY(QApplication::activePopupWidget() == nullptr);
}

void tst_FrmNimbexCommands::rightClickPopsUpTheFileMenu()
{
    auto w = makeWindow();
    w->Command3->click();
    QMenu* seen = nullptr;
    QStringList texts;
    QTimer::singleShot(100, [&] {
        seen = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (seen) {
            for (QAction* a : seen->actions())
                texts << (a->isSeparator() ? QStringLiteral("-") : a->text());
            seen->close();
        }
    });
    postTray(*w, 517);
    QTRY_VERIFY(seen != nullptr);
    QCOMPARE(seen, w->File);
    QCOMPARE(texts, (QStringList{"&Show", "&Options", "-", "E&xit"}));
}

void tst_FrmNimbexCommands::showMenuItemBringsTheWindowBack_data()
{
    QTest::addColumn<bool>("fullScreen");
    QTest::newRow("normal view") << false;
    QTest::newRow("full-screen view") << true;
}

void tst_FrmNimbexCommands::showMenuItemBringsTheWindowBack()
{
    QFETCH(bool, fullScreen);
    auto w = makeWindow();
    if (fullScreen)
        w->Command1->click();
    // Minimised before any Hide to Tray: the tray click would not bring it back, Show does.
    w->showMinimized();
    w->hide();
    w->Show->trigger();
    QTRY_VERIFY(w->isVisible());
    QTRY_COMPARE(w->WindowState(), fullScreen ? 2 : 0);
}

void tst_FrmNimbexCommands::closeAndExitDeleteTheIcon_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Close button") << "Close";
    QTest::newRow("Exit menu item") << "Exit";
    QTest::newRow("closed by the window manager") << "platform";
}

void tst_FrmNimbexCommands::closeAndExitDeleteTheIcon()
{
    QFETCH(QString, how);
    auto w = makeWindow();
    const quint32 hWnd = trayIcon.hWnd;
    QVERIFY(ShellTray::exists(hWnd, 1));
    m_calls.clear();
    if (how == "Close")
        w->Command4->click();
    else if (how == "Exit")
        w->Exit->trigger();
    else
        w->close();
    QVERIFY(!ShellTray::exists(hWnd, 1));
    QCOMPARE(m_calls, QStringList{"NIM_DELETE"});
}

QTEST_MAIN(tst_FrmNimbexCommands)
#include "tst_frmnimbex_commands.moc"
