#include "app/frmNimbex.h"
#include "settings/frmOptions.h"
#include "support/Face.h"
#include "support/TempStore.h"
#include "support/TestClock.h"
#include "support/Widgets.h"
#include "tray/ShellTray.h"
#include "tray/TrayMouseEvent.h"
#include "tray/modSystray.h"
#include "ui/Twips.h"

#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSystemTrayIcon>
#include <QTest>
#include <memory>

class tst_FrmNimbexCommands : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void savedChoiceReachesTheClock_data();
    void savedChoiceReachesTheClock();
    void fullScreenAndBack();
    void trayMessages_data();
    void trayMessages();
    void rightClickPopsUpTheFileMenu();
    void closingDeletesTheIcon_data();
    void closingDeletesTheIcon();

private:
    void postTray(int code)
    {
        QCoreApplication::postEvent(m_w.get(), new TrayMouseEvent(0, 0, code * Twips::perPixel, 0));
        QCoreApplication::processEvents();
    }

    std::unique_ptr<TempStore> m_store;
    TestClock m_clock;
    std::unique_ptr<frmNimbex> m_w;
};

void tst_FrmNimbexCommands::init()
{
    m_store = std::make_unique<TempStore>();
    m_w = std::make_unique<frmNimbex>(m_clock);
    m_w->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_w.get()));
}

void tst_FrmNimbexCommands::cleanup()
{
    if (frmOptions* dialog = frmOptions::loaded())
        dialog->close();
    m_w.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    m_store.reset();
}

void tst_FrmNimbexCommands::savedChoiceReachesTheClock_data()
{
    QTest::addColumn<bool>("fromButton");
    // One aid each: a choice read under the other's key shows.
    QTest::newRow("Options button, modal, cheat Yes") << true;
    QTest::newRow("Options menu item, modeless, numbers Yes") << false;
}

void tst_FrmNimbexCommands::savedChoiceReachesTheClock()
{
    QFETCH(bool, fromButton);
    frmNimbex& w = *m_w;
    // An empty store: no aids, blue lamps.
    w.Timer1_Timer();
    QVERIFY(!w.lblh2->isVisible() && !w.lblh22->isVisible());
    QCOMPARE(w.litColor(), QColor(0, 0, 255));
    const auto save = [&](frmOptions* d) {
        d->Combo1->setCurrentIndex(d->Combo1->findText(QStringLiteral("Orange")));
        (fromButton ? d->Option1 : d->Option3)->click();
        d->Command1->click();
    };
    if (fromButton) {
        Widgets::ModalDriver driver(
            [&](QWidget* modal) { save(qobject_cast<frmOptions*>(modal)); });
        w.Command2->click();
        QVERIFY(!driver.rescued);
    } else {
        w.Options->trigger();
        save(frmOptions::loaded());
        // The menu item read the store before the user acted; the next re-read brings the save.
        w.Timer1_Timer();
        QVERIFY(!w.lblh22->isVisible());
        w.Options->trigger();
    }
    w.Timer1_Timer();
    QCOMPARE(w.lblh2->isVisible(), fromButton);
    QCOMPARE(w.lblh22->isVisible(), !fromButton);
    QCOMPARE(w.litColor(), QColor(255, 128, 0));
}

void tst_FrmNimbexCommands::fullScreenAndBack()
{
    frmNimbex& w = *m_w;
    w.Command1->click();
    QTRY_COMPARE(w.WindowState(), 2);
    QCOMPARE(w.Command1->text(), QStringLiteral("Normal"));
    QTRY_VERIFY(w.width() > 510);
    // The face is centred on the outer window, title bar and border included.
    const QRect outer(QPoint(), w.frameGeometry().size());
    QTRY_VERIFY((w.Frame1->geometry().center() - outer.center()).manhattanLength() <= 2);

    w.Command1->click();
    QTRY_COMPARE(w.WindowState(), 0);
    QCOMPARE(w.Command1->text(), QStringLiteral("Full Screen"));
    QTRY_COMPARE(w.size(), QSize(510, 339));
    QCOMPARE(w.Frame1->pos(), QPoint(Face::normalLeft, Face::normalTop) / Face::twipsPerPixel);
}

void tst_FrmNimbexCommands::trayMessages_data()
{
    QTest::addColumn<bool>("hideToTray"); // or minimise
    QTest::addColumn<bool>("fullScreen");
    QTest::addColumn<int>("code"); // 0: the menu item Show
    QTest::addColumn<int>("state");

    QTest::newRow("click before any Hide to Tray does nothing") << false << false << 514 << 1;
    QTest::newRow("double click after Hide to Tray restores") << true << false << 515 << 0;
    QTest::newRow("click restores the full-screen view") << true << true << 514 << 2;
    QTest::newRow("right button down alone does nothing") << true << false << 516 << 1;
    QTest::newRow("Show restores whatever hid the window") << false << true << 0 << 2;
}

void tst_FrmNimbexCommands::trayMessages()
{
    QFETCH(bool, hideToTray);
    QFETCH(bool, fullScreen);
    QFETCH(int, code);
    QFETCH(int, state);
    frmNimbex& w = *m_w;
    if (fullScreen) {
        w.Command1->click();
        QTRY_COMPARE(w.WindowState(), 2);
    }
    if (hideToTray)
        w.Command3->click();
    else
        w.showMinimized();
    // Without a tray nothing could bring a hidden window back: it stays on the task bar.
    QVERIFY2(!QSystemTrayIcon::isSystemTrayAvailable(), "needs a desktop without a tray");
    QTRY_COMPARE(w.WindowState(), 1);
    QVERIFY(!w.isHidden());
    if (code)
        postTray(code);
    else
        w.Show->trigger();
    QTRY_COMPARE(w.WindowState(), state);
    QVERIFY(w.isVisible());
    QCOMPARE(w.Command1->text(), fullScreen ? "Normal" : "Full Screen");
}

void tst_FrmNimbexCommands::rightClickPopsUpTheFileMenu()
{
    QStringList items;
    QTimer::singleShot(100, m_w.get(), [&] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            for (QAction* a : menu->actions())
                items << (a->isSeparator() ? QStringLiteral("-") : a->text());
            menu->close();
        }
    });
    postTray(517);
    QTRY_COMPARE(items, (QStringList{"&Show", "&Options", "-", "E&xit"}));
}

void tst_FrmNimbexCommands::closingDeletesTheIcon_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Close button") << "Close";
    QTest::newRow("Exit menu item") << "Exit";
    QTest::newRow("closed by the window manager") << "window";
}

void tst_FrmNimbexCommands::closingDeletesTheIcon()
{
    QFETCH(QString, how);
    const quint32 hWnd = modSystray::trayIcon.hWnd;
    QCOMPARE(ShellTray::toolTip(hWnd, 1), QStringLiteral("Nimbex - DoubleClick to Show"));
    QTimer::singleShot(0, m_w.get(), [&] {
        if (how == "Close")
            m_w->Command4->click();
        else if (how == "Exit")
            m_w->Exit->trigger();
        else
            m_w->close();
    });
    QTimer stuck;
    stuck.callOnTimeout([] { QCoreApplication::exit(1); });
    stuck.start(5000);
    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(!ShellTray::exists(hWnd, 1));
}

QTEST_MAIN(tst_FrmNimbexCommands)
#include "tst_frmnimbex_commands.moc"
