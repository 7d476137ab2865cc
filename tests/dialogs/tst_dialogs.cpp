#include "about/frmAbout.h"
#include "app/SystemClock.h"
#include "app/Translations.h"
#include "app/frmNimbex.h"
#include "settings/frmOptions.h"
#include "support/Fits.h"
#include "support/TempStore.h"
#include "support/Texts.h"
#include "support/Widgets.h"
#include "tray/ShellTray.h"
#include "ui/Desktop.h"
#include "ui/Fonts.h"
#include "ui/Twips.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <memory>
#include <span>

// The colour list as designed, in its order.
static const QStringList colours{"Red",    "Blue",  "Yellow", "Green",
                                 "Purple", "Black", "Orange", "LightBlue"};

class tst_Dialogs : public QObject
{
    Q_OBJECT

public slots:
    // Stands in for the desktop's browser.
    void openUrl(const QUrl& url) { m_opened << url; }

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void texts_data();
    void texts();
    void fits_data();
    void fits();
    void options_data();
    void options();
    void keys_data();
    void keys();
    void aboutLinks_data();
    void aboutLinks();

private:
    frmOptions* showOptions();

    std::unique_ptr<TempStore> m_store;
    QList<QUrl> m_opened;
};

void tst_Dialogs::initTestCase()
{
    Fonts::install();
    QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "openUrl");
}

void tst_Dialogs::init()
{
    m_store = std::make_unique<TempStore>();
    m_opened.clear();
}

void tst_Dialogs::cleanup()
{
    if (frmAbout* about = frmAbout::loaded())
        about->close();
    if (frmOptions* dialog = frmOptions::loaded())
        dialog->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!frmOptions::loaded() && !frmAbout::loaded());
    m_store.reset();
    Translations::install(QLocale::c());
}

frmOptions* tst_Dialogs::showOptions()
{
    frmOptions* dialog = frmOptions::load(nullptr);
    dialog->showModeless();
    if (!QTest::qWaitForWindowActive(dialog))
        qWarning("the Options dialog did not become active");
    return dialog;
}

void tst_Dialogs::texts_data()
{
    QTest::addColumn<bool>("about"); // or Options
    QTest::newRow("About") << true;
    QTest::newRow("Options") << false;
}

void tst_Dialogs::texts()
{
    QFETCH(bool, about);
    QDialog* d = about ? static_cast<QDialog*>(frmAbout::load()) : showOptions();
    d->show();
    QVERIFY(QTest::qWaitForWindowExposed(d));
    const auto caption = [](const QWidget* w) {
        return w->isWindow()
                   ? w->windowTitle()
                   : w->property(qobject_cast<const QGroupBox*>(w) ? "title" : "text").toString();
    };
    QList<QWidget*> all = d->findChildren<QWidget*>() << d;
    for (const Texts::Caption& c : about ? std::span<const Texts::Caption>(Texts::about)
                                         : std::span<const Texts::Caption>(Texts::options))
        QVERIFY2(std::any_of(all.begin(), all.end(),
                             [&](const QWidget* w) {
                                 return w->objectName() == QLatin1String(c.name) &&
                                        caption(w) == QString::fromUtf8(c.text);
                             }),
                 c.name);
    if (auto* box = qobject_cast<frmAbout*>(d)) {
        QCOMPARE(box->txtSpecialCopyright->toPlainText(), QString::fromLatin1(Texts::legalWarning));
        // The design's face and size (27.75 pt is 37 px at 96 dpi), and the 32 px icon.
        const QFontInfo name(box->lblInfo[1]->font());
        QVERIFY(name.family() == "Tahoma" && name.pixelSize() == 37 && name.bold());
        QCOMPARE(box->imgIcon->pixmap().size(), QSize(32, 32));
    } else {
        QStringList items;
        for (int i = 0; i < static_cast<frmOptions*>(d)->Combo1->count(); ++i)
            items << static_cast<frmOptions*>(d)->Combo1->itemText(i);
        QCOMPARE(items, colours);
    }
    QCOMPARE(Widgets::unnamedControls(*d), QStringList());
}

void tst_Dialogs::fits_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("English") << "C";
    for (const char* language : Fits::languages)
        QTest::newRow(language) << language;
}

void tst_Dialogs::fits()
{
    // Every window in the language, each text in its control at the design's fonts.
    QFETCH(QString, language);
    Translations::install(QLocale(language));
    SystemClock clock;
    ShellTray shell{Desktop{}};
    frmNimbex w(clock);
    QStringList faults = Fits::faults(w);
    w.Command1_Click(); // "Normal"
    faults += Fits::faults(w);
    frmOptions* options = showOptions();
    faults += Fits::faults(*options) + Fits::faults(*frmAbout::load(options));
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join("; ")));
    // The tip, whole, through the record's 64 bytes.
    QCOMPARE(shell.toolTip(modSystray::trayIcon.hWnd, 1),
             QCoreApplication::translate("frmNimbex", "Nimbex - DoubleClick to Show"));
    // Right to left the dialog is the design's mirror image: the list at the left, "Yes" right.
    const bool rtl = language == "ar" || language == "he";
    QCOMPARE(options->Combo1->geometry(),
             Twips::rect(rtl ? 4230 - 1440 - 2655 : 1440, 240, 2655, 360));
    QCOMPARE(options->Option1->x() > options->Option2->x(), rtl);
}

void tst_Dialogs::options_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("loaded"); // the colour shown at first
    QTest::addColumn<QString>("choose");
    QTest::addColumn<QString>("clicks"); // option buttons by number
    QTest::addColumn<QString>("close");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("language"); // empty: English

    const QString no = "Cheat=False CheatNum=False Color=", hand = "Cheat=true Color=&HFFFF";
    // clang-format off
    QTest::newRow("empty store") << "" << "Blue" << "" << "" << "save" << no + "&HFF0000" << "";
    QTest::newRow("cheat Yes") << "" << "Blue" << "" << "1" << "save" << "Cheat=True CheatNum=False Color=&HFF0000" << "";
    QTest::newRow("numbers Yes") << "" << "Blue" << "" << "3" << "save" << "Cheat=False CheatNum=True Color=&HFF0000" << "";
    QTest::newRow("both back to No") << "Cheat=True CheatNum=True" << "Blue" << "" << "24" << "save" << no + "&HFF0000" << "";
    QTest::newRow("hand-edited true") << "Cheat=true CheatNum=TRUE" << "Blue" << "" << "" << "save" << "Cheat=True CheatNum=True Color=&HFF0000" << "";
    QTest::newRow("anything else is false") << "Cheat=yes CheatNum=-1" << "Blue" << "" << "" << "save" << no + "&HFF0000" << "";
    QTest::newRow("an unknown colour is kept") << "Color=&H123456" << "" << "" << "" << "save" << no + "&H123456" << "";
    QTest::newRow("Orange in lower case is no entry") << "Color=&h000080ff" << "" << "" << "" << "save" << no + "&h000080ff" << "";
    QTest::newRow("Cancel and Close") << hand << "Yellow" << "Purple" << "23" << "cancel" << hand << "";
    QTest::newRow("Alt+A") << hand << "Yellow" << "Purple" << "23" << "alt+a" << hand << "";
    QTest::newRow("closed by the window manager") << hand << "Yellow" << "Purple" << "23" << "close" << hand << "";
    // clang-format on
    // Each colour is read as stored and saved as chosen, in English and in every language; the
    // aids store "True" or "False" whatever the language.
    const char* table[][2] = {{"Red", "&HFF"},          {"Blue", "&HFF0000"},
                              {"Yellow", "&HFFFF"},     {"Green", "&HFF00"},
                              {"Purple", "&HFF00FF"},   {"Black", "&H80000008"},
                              {"Orange", "&H000080FF"}, {"LightBlue", "&HFFFF00"}};
    for (int l = -1; l < int(std::size(Fits::languages)); ++l) {
        const QString language = l < 0 ? "" : Fits::languages[l];
        for (int i = 0; i < 8; ++i) {
            const auto& was = table[(i + 7) % 8];
            const bool yes = l >= 0 && i % 2;
            QTest::addRow("%s", qPrintable((language + ' ' + table[i][0]).trimmed()))
                << QStringLiteral("Color=") + was[1] << was[0] << table[i][0] << (yes ? "13" : "")
                << "save"
                << QStringLiteral("Cheat=%1 CheatNum=%1 Color=").arg(yes ? "True" : "False") +
                       table[i][1]
                << language;
        }
    }
}

void tst_Dialogs::options()
{
    QFETCH(QString, before);
    QFETCH(QString, loaded);
    QFETCH(QString, choose);
    QFETCH(QString, clicks);
    QFETCH(QString, close);
    QFETCH(QString, after);
    QFETCH(QString, language);
    Translations::install(QLocale(language));
    m_store->seed(before);
    frmOptions* d = showOptions();
    QCOMPARE(colours.value(d->Combo1->currentIndex()), loaded);
    QVERIFY2(!before.isEmpty() || QDir(m_store->path()).isEmpty(), "reading the store wrote it");
    if (!choose.isEmpty())
        d->Combo1->setCurrentIndex(colours.indexOf(choose));
    QRadioButton* options[] = {d->Option1, d->Option2, d->Option3, d->Option4};
    for (QChar c : clicks)
        options[c.digitValue() - 1]->click();
    if (close == "save")
        d->Command1->click();
    else if (close == "cancel")
        d->Command2->click();
    else if (close == "alt+a")
        QTest::keyClick(d, Qt::Key_A, Qt::AltModifier);
    else
        d->close();
    QTRY_VERIFY(!frmOptions::loaded());
    QCOMPARE(m_store->contents(), after);
}

void tst_Dialogs::keys_data()
{
    QTest::addColumn<bool>("inAbout");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");

    // In Options, Enter and Esc press nothing; in the About box, they close it.
    // clang-format off
    QTest::newRow("Options: Return on Save and Close") << false << "Command1" << int(Qt::Key_Return);
    QTest::newRow("Options: Escape on Cancel and Close") << false << "Command2" << int(Qt::Key_Escape);
    QTest::newRow("Options: Enter on an option") << false << "Option1" << int(Qt::Key_Enter);
    QTest::newRow("About: Return on OK") << true << "cmdOK" << int(Qt::Key_Return);
    QTest::newRow("About: Escape on OK") << true << "cmdOK" << int(Qt::Key_Escape);
    QTest::newRow("About: Enter in the warning") << true << "txtSpecialCopyright" << int(Qt::Key_Enter);
    // clang-format on
}

void tst_Dialogs::keys()
{
    QFETCH(bool, inAbout);
    QFETCH(QString, focus);
    QFETCH(int, key);
    QPointer<frmOptions> options = showOptions();
    QSignalSpy save(options->Command1, &QPushButton::clicked);
    QSignalSpy cancel(options->Command2, &QPushButton::clicked);
    QSignalSpy about(options->Command3, &QPushButton::clicked);
    QString warning;
    const auto press = [&](QWidget* window) {
        QWidget* target = window->findChild<QWidget*>(focus);
        target->setFocus();
        QTest::keyClick(target, Qt::Key(key));
        if (auto* box = qobject_cast<frmAbout*>(window))
            warning = box->txtSpecialCopyright->toPlainText();
        else
            QTest::qWait(150); // a button pressed by a key acts when it comes up again
    };
    // About, opened by a key or on purpose, gets the key; Options is left on show either way.
    Widgets::ModalDriver driver(
        [&](QWidget* modal) { inAbout ? press(modal) : void(modal->close()); });
    if (inAbout)
        options->Command3->click();
    else
        press(options);
    QCOMPARE(driver.rescued, false);
    QCOMPARE(frmAbout::loaded(), nullptr);
    if (inAbout) // closed, and no line broken in the warning on the way
        QCOMPARE(warning, QString::fromLatin1(Texts::legalWarning));
    QCOMPARE(save.count() + cancel.count() + about.count(), inAbout ? 1 : 0);
    QVERIFY(options && options->isVisible());
    QCOMPARE(frmOptions::loaded(), options.data());
}

void tst_Dialogs::aboutLinks_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<bool>("opens");
    QTest::newRow("product") << "lblProduct" << true;
    QTest::newRow("address") << "lblURL" << true;
    QTest::newRow("copyright") << "lblCopyright" << true;
    QTest::newRow("the version line is no link") << "lblVersion" << false;
}

void tst_Dialogs::aboutLinks()
{
    QFETCH(QString, label);
    QFETCH(bool, opens);
    frmAbout* about = frmAbout::load();
    about->show();
    QVERIFY(QTest::qWaitForWindowExposed(about));
    auto* link = about->findChild<QLabel*>(label);
    // Links show the hand, pointing with its fingertip.
    QCOMPARE(link->cursor().hotSpot(), opens ? QPoint(6, 4) : QPoint(0, 0));
    QTest::mouseClick(link, Qt::LeftButton);
    // The maker's address, in the desktop's browser; the box stays.
    QCOMPARE(m_opened, opens ? QList<QUrl>{QUrl(Texts::webAddress)} : QList<QUrl>());
    QVERIFY(about->isVisible());
}

QTEST_MAIN(tst_Dialogs)
#include "tst_dialogs.moc"
