#include "UrlCatcher.h"
#include "about/AppVersion.h"
#include "about/Line.h"
#include "about/Shape.h"
#include "about/frmAbout.h"
#include "ui/Fonts.h"
#include "dialogs/ModalDriver.h"

#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QUrl>

namespace {

void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

frmAbout* showLoaded(QWidget* parent = nullptr)
{
    frmAbout* about = frmAbout::load(parent);
    about->show();
    about->activateWindow();
    if (!QTest::qWaitForWindowActive(about))
        qWarning("the About box did not become active");
    return about;
}

// The text box's text with the line ends the program gave it.
QString shownText(const QPlainTextEdit* edit)
{
    QString text = edit->toPlainText();
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return text;
}

} // namespace

class tst_frmAbout : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init() { m_catcher.opened.clear(); }
    void cleanup();

    void showsTheVersionLine();
    void existsOnceAndForgetsItsText();
    void legalWarningIsSixCrLfLinesOf301Characters();

    void linksOpenTheWebAddress_data();
    void linksOpenTheWebAddress();
    void aClickMustStartAndEndOnTheLink_data();
    void aClickMustStartAndEndOnTheLink();

    void keysClose_data();
    void keysClose();
    void ctrlEnterBreaksTheWarningsLine();
    void tabOrder();
    void layeredFromTheBlocksUp();
    void centredOnTheScreen();

private:
    UrlCatcher m_catcher;
};

void tst_frmAbout::initTestCase()
{
    Fonts::install();
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &m_catcher, "open");
}

void tst_frmAbout::cleanupTestCase()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
}

void tst_frmAbout::cleanup()
{
    if (frmAbout* about = frmAbout::loaded())
        about->close();
    flushDeletes();
    QVERIFY(!frmAbout::loaded());
}

void tst_frmAbout::showsTheVersionLine()
{
    frmAbout* about = frmAbout::load();
    // Replaced before the box is ever seen.
    QVERIFY(!about->isVisible());
    QCOMPARE(about->lblVersion->text(), AppVersion::current().versionLine());
    QVERIFY(about->lblVersion->text() != QLatin1String("Version: 1.0 Beta"));
}

void tst_frmAbout::existsOnceAndForgetsItsText()
{
    QPointer<frmAbout> first = showLoaded();
    QCOMPARE(frmAbout::load(), first.data());
    QCOMPARE(frmAbout::loaded(), first.data());

    first->txtSpecialCopyright->setFocus();
    first->txtSpecialCopyright->moveCursor(QTextCursor::Start);
    QTest::keyClicks(first->txtSpecialCopyright, QStringLiteral("scribbled "));
    QVERIFY(first->txtSpecialCopyright->toPlainText().startsWith(QLatin1String("scribbled ")));

    QTest::mouseClick(first->cmdOK, Qt::LeftButton);
    flushDeletes();
    QVERIFY(first.isNull());
    QCOMPARE(frmAbout::loaded(), nullptr);

    frmAbout* second = frmAbout::load();
    QCOMPARE(shownText(second->txtSpecialCopyright), frmAbout::legalWarning());
    QCOMPARE(second->lblVersion->text(), AppVersion::current().versionLine());
}

void tst_frmAbout::legalWarningIsSixCrLfLinesOf301Characters()
{
    const QString warning = frmAbout::legalWarning();
    QCOMPARE(warning.size(), 301);
    QCOMPARE(warning.count(QLatin1String("\r\n")), 6);
    QCOMPARE(warning.count(QLatin1Char('\r')), 6);
    QCOMPARE(warning.count(QLatin1Char('\n')), 6);
    QVERIFY(warning.endsWith(QLatin1String("\r\n")));
    const QStringList lines = warning.split(QLatin1String("\r\n"));
    QCOMPARE(lines.size(), 7);
    for (int i = 0; i < 6; ++i)
        QVERIFY2(!lines.at(i).trimmed().isEmpty(), qPrintable(QString::number(i)));
    QVERIFY(lines.last().isEmpty());
    QVERIFY(warning.contains(QLatin1String("copying"), Qt::CaseInsensitive));
    QVERIFY(warning.contains(QLatin1String("distribution"), Qt::CaseInsensitive));

    frmAbout* about = frmAbout::load();
    QCOMPARE(shownText(about->txtSpecialCopyright), warning);
    QVERIFY(!about->txtSpecialCopyright->isReadOnly());
    QCOMPARE(about->txtSpecialCopyright->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
}

void tst_frmAbout::linksOpenTheWebAddress_data()
{
    QTest::addColumn<QString>("link");
    QTest::newRow("lblProduct") << "lblProduct";
    QTest::newRow("lblURL") << "lblURL";
    QTest::newRow("lblCopyright") << "lblCopyright";
}

void tst_frmAbout::linksOpenTheWebAddress()
{
    QFETCH(QString, link);
    frmAbout* about = showLoaded();
    auto* label = about->findChild<QLabel*>(link);
    QVERIFY(label);

    const QString tag = label->property("Tag").toString();
    QCOMPARE(tag, frmAbout::webAddress());
    QCOMPARE(QUrl(tag).scheme(), QStringLiteral("https"));
    // The same address the last link shows as its text.
    QCOMPARE(tag, about->lblURL->text());

    QCOMPARE(label->cursor().shape(), Qt::BitmapCursor);
    QCOMPARE(label->cursor().hotSpot(), QPoint(6, 4));

    QTest::mouseClick(label, Qt::LeftButton);
    QCOMPARE(m_catcher.opened, QList<QUrl>{QUrl(tag)});

    // The box stays open, and a second click opens the address again.
    QCOMPARE(frmAbout::loaded(), about);
    QVERIFY(about->isVisible());
    QTest::mouseClick(label, Qt::LeftButton);
    QCOMPARE(m_catcher.opened.size(), 2);
}

void tst_frmAbout::aClickMustStartAndEndOnTheLink_data()
{
    QTest::addColumn<QString>("gesture");
    QTest::newRow("pressed on the link, released off it") << "drag-off";
    QTest::newRow("right button") << "right";
    QTest::newRow("on the version line, not a link") << "version";
}

void tst_frmAbout::aClickMustStartAndEndOnTheLink()
{
    QFETCH(QString, gesture);
    frmAbout* about = showLoaded();
    QLabel* link = about->lblURL;

    if (gesture == QLatin1String("drag-off")) {
        QTest::mousePress(link, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseRelease(link, Qt::LeftButton, {}, QPoint(link->width() + 40, 5));
    } else if (gesture == QLatin1String("right")) {
        QTest::mouseClick(link, Qt::RightButton);
    } else {
        QTest::mouseClick(about->lblVersion, Qt::LeftButton);
    }

    QVERIFY(m_catcher.opened.isEmpty());
    QVERIFY(about->isVisible());
}

void tst_frmAbout::keysClose_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");

    QTest::newRow("Return on OK") << "cmdOK" << int(Qt::Key_Return) << 0;
    QTest::newRow("keypad Enter on OK") << "cmdOK" << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
    QTest::newRow("Escape on OK") << "cmdOK" << int(Qt::Key_Escape) << 0;
    QTest::newRow("Space on OK") << "cmdOK" << int(Qt::Key_Space) << 0;
    QTest::newRow("Return in the warning") << "txtSpecialCopyright" << int(Qt::Key_Return) << 0;
    QTest::newRow("keypad Enter in the warning")
        << "txtSpecialCopyright" << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
    QTest::newRow("Escape in the warning") << "txtSpecialCopyright" << int(Qt::Key_Escape) << 0;
}

void tst_frmAbout::keysClose()
{
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(int, modifiers);

    QPointer<frmAbout> about = frmAbout::load();
    QString warningAtClose;
    ModalDriver driver([&](QWidget* modal) {
        auto* target = modal->findChild<QWidget*>(focus);
        if (!target)
            return;
        target->setFocus();
        QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        if (about)
            warningAtClose = shownText(about->txtSpecialCopyright);
    });
    about->showModal();

    QVERIFY2(!driver.rescued(), "the key did not close the box");
    QCOMPARE(driver.seen(), nullptr); // destroyed
    QVERIFY(about.isNull());
    QCOMPARE(warningAtClose, frmAbout::legalWarning()); // Enter broke no line on the way
    QCOMPARE(frmAbout::loaded(), nullptr);
}

void tst_frmAbout::ctrlEnterBreaksTheWarningsLine()
{
    frmAbout* about = showLoaded();
    QPlainTextEdit* warning = about->txtSpecialCopyright;
    warning->setFocus();
    warning->moveCursor(QTextCursor::Start);
    const int blocks = warning->blockCount();

    QTest::keyClick(warning, Qt::Key_Return, Qt::ControlModifier);

    QCOMPARE(warning->blockCount(), blocks + 1);
    QVERIFY(warning->toPlainText().startsWith(QLatin1Char('\n')));
    QCOMPARE(frmAbout::loaded(), about);
    QVERIFY(about->isVisible());
}

void tst_frmAbout::tabOrder()
{
    frmAbout* about = showLoaded();
    QTRY_COMPARE(QApplication::focusWidget(), about->cmdOK);
    QVERIFY(about->cmdOK->isDefault());

    QTest::keyClick(about->cmdOK, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), about->txtSpecialCopyright);
    // Tab leaves the warning rather than going into it.
    QTest::keyClick(about->txtSpecialCopyright, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), about->cmdOK);
    QCOMPARE(shownText(about->txtSpecialCopyright), frmAbout::legalWarning());

    int focusable = 0;
    for (QWidget* w : about->findChildren<QWidget*>()) {
        if (w->focusPolicy() & Qt::TabFocus && w->isVisibleTo(about) && w->parentWidget() == about)
            ++focusable;
    }
    QCOMPARE(focusable, 2);
}

void tst_frmAbout::layeredFromTheBlocksUp()
{
    frmAbout* about = frmAbout::load();
    // Bottom first; the two windowed controls above all the rest.
    const QList<QObject*> expected{about->lblDescription, about->Label1,        about->shpRect[2],
                                   about->lblVersion,     about->Line1[0],      about->Line1[1],
                                   about->lblInfo[1],     about->lblCopyright,  about->lblURL,
                                   about->lblProduct,     about->lblDotLine[1], about->lblTitle,
                                   about->lblDotLine[0],  about->imgIcon,       about->lblInfo[4],
                                   about->shpRect[0],     about->Label2,        about->shpRect[1]};
    QList<QObject*> stacked;
    for (QObject* child : about->children()) {
        if (child->isWidgetType() && child != about->cmdOK && child != about->txtSpecialCopyright)
            stacked << child;
    }
    QCOMPARE(stacked, expected);

    const QList<QObject*> children = about->children();
    const qsizetype topOfTheRest = children.indexOf(about->shpRect[1]);
    QVERIFY(children.indexOf(about->cmdOK) > topOfTheRest);
    QVERIFY(children.indexOf(about->txtSpecialCopyright) > topOfTheRest);
}

void tst_frmAbout::centredOnTheScreen()
{
    QWidget parent;
    parent.setGeometry(10, 10, 300, 200);
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));

    QRect shownAt;
    frmAbout* about = frmAbout::load(&parent);
    ModalDriver driver([&](QWidget* modal) {
        shownAt = modal->frameGeometry();
        modal->close();
    });
    about->showModal();

    QVERIFY(!driver.rescued());
    const QPoint offset = shownAt.center() - parent.screen()->availableGeometry().center();
    QVERIFY2(offset.manhattanLength() <= 2,
             qPrintable(QStringLiteral("off by %1,%2").arg(offset.x()).arg(offset.y())));
}

QTEST_MAIN(tst_frmAbout)
#include "tst_frmabout.moc"
