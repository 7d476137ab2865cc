#include "settings/frmOptions.h"

#include "about/frmAbout.h"
#include "settings/ColorTable.h"
#include "settings/Settings.h"
#include "ui/Fonts.h"
#include "ui/Placement.h"
#include "ui/Twips.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEventLoop>
#include <QGroupBox>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>

QPointer<frmOptions> frmOptions::s_loaded;

namespace {

// Twips of the design.
constexpr double clientWidth = 4230, clientHeight = 3495;
constexpr double fontPoints = 9.75;
constexpr int captionIndent = 8, captionPadding = 2; // pixels

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption,
                        const QRect& geometry)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    // Enter presses nothing in this dialog, not even the focused button.
    button->setAutoDefault(false);
    button->setDefault(false);
    button->setGeometry(geometry);
    return button;
}

QGroupBox* makeFrame(QWidget* parent, const char* name, const QString& caption,
                     const QRect& geometry)
{
    auto* frame = new QGroupBox(caption, parent);
    frame->setObjectName(QLatin1String(name));
    frame->setAutoFillBackground(true);
    frame->setFocusPolicy(Qt::NoFocus);
    frame->setGeometry(geometry);
    return frame;
}

QRadioButton* makeOption(QWidget* frame, const char* name, const QString& caption,
                         const QRect& geometry)
{
    auto* option = new QRadioButton(caption, frame);
    option->setObjectName(QLatin1String(name));
    // The click handlers keep each pair exclusive, not Qt.
    option->setAutoExclusive(false);
    option->setAutoFillBackground(true);
    option->setGeometry(geometry);
    return option;
}

} // namespace

frmOptions::frmOptions(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("frmOptions"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Nimbex Options"));
    // No icon of its own, and not the clock's either, which a dialog would otherwise inherit.
    setWindowIcon(QIcon());
    setFont(Fonts::tahoma(fontPoints, true));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::Button, Qt::white);
    setPalette(palette);
    setAutoFillBackground(true);
    setFixedSize(Twips::size(clientWidth, clientHeight));
    buildLayout();
}

void frmOptions::buildLayout()
{
    // Created in tab order.
    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setEditable(false);
    // Each entry shows its name in the user's language and keeps the table's name beside it,
    // which alone reaches the store.
    for (const QString& name : ColorTable::dialogOrder())
        Combo1->addItem(QCoreApplication::translate("ColorTable", qPrintable(name)), name);
    Combo1->setCurrentIndex(-1);
    Combo1->setGeometry(Twips::rect(1440, 240, 2655, 360));

    Label1 = new QLabel(tr("Color:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setTextFormat(Qt::PlainText);
    Label1->setAlignment(Qt::AlignRight | Qt::AlignTop);
    Label1->setGeometry(Twips::rect(120, 240, 1215, 255));
    // Names the list for screen readers, also while no colour is chosen.
    Label1->setBuddy(Combo1);

    Command1 =
        makeButton(this, "Command1", tr("Save and Close"), Twips::rect(120, 2520, 1935, 375));
    Command2 =
        makeButton(this, "Command2", tr("Cancel &and Close"), Twips::rect(2160, 2520, 1935, 375));
    Command3 = makeButton(this, "Command3", tr("About"), Twips::rect(120, 3000, 3975, 375));

    Frame1 = makeFrame(this, "Frame1", tr("Cheat"), Twips::rect(360, 720, 2775, 855));
    Option2 = makeOption(Frame1, "Option2", tr("No"), Twips::rect(1440, 360, 1095, 375));
    Option1 = makeOption(Frame1, "Option1", tr("Yes"), Twips::rect(120, 360, 1215, 375));

    Frame2 = makeFrame(this, "Frame2", tr("0's && 1's"), Twips::rect(360, 1680, 2775, 735));
    Option3 = makeOption(Frame2, "Option3", tr("Yes"), Twips::rect(120, 240, 1215, 375));
    Option4 = makeOption(Frame2, "Option4", tr("No"), Twips::rect(1440, 240, 1095, 375));

    // Right to left, the dialog is the design's mirror image, as a layout would mirror it.
    if (isRightToLeft()) {
        for (QWidget* c :
             std::initializer_list<QWidget*>{Combo1, Label1, Command1, Command2, Command3, Frame1,
                                             Option1, Option2, Frame2, Option3, Option4})
            c->move(c->parentWidget()->width() - c->x() - c->width(), c->y());
    }

    setTabOrder(Combo1, Command1);
    setTabOrder(Command1, Command2);
    setTabOrder(Command2, Command3);
    setTabOrder(Command3, Option2);
    setTabOrder(Option2, Option1);
    setTabOrder(Option1, Option3);
    setTabOrder(Option3, Option4);

    connect(Command1, &QPushButton::clicked, this, &frmOptions::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmOptions::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &frmOptions::Command3_Click);
    Frame1->installEventFilter(this);
    Frame2->installEventFilter(this);
    for (QRadioButton* option : {Option1, Option2, Option3, Option4})
        connect(option, &QRadioButton::clicked, this, [this, option] { optionClicked(option); });
}

frmOptions* frmOptions::load(QWidget* owner)
{
    if (!s_loaded) {
        s_loaded = new frmOptions(owner);
        s_loaded->Form_Load();
    }
    return s_loaded;
}

frmOptions* frmOptions::loaded()
{
    return s_loaded;
}

void frmOptions::showModeless()
{
    // Minimised along with the clock, it would come back iconic and, when modal, out of reach.
    setWindowState(windowState() & ~Qt::WindowMinimized);
    if (isVisible()) {
        raise();
    } else {
        placeForShow();
        show();
    }
    activateWindow();
}

int frmOptions::showModal()
{
    QPointer<frmOptions> guard(this);
    if (m_inModal) {
        // Already waited for further down the stack: bring it forward and wait as well.
        showModeless();
        QEventLoop wait;
        connect(this, &QDialog::finished, &wait, &QEventLoop::quit);
        wait.exec();
        return guard ? guard->result() : int(Rejected);
    }
    // One shown modelessly becomes modal where it stands, and not minimised: a modal dialog
    // mapped iconic would block every window, the tray icon's included.
    const bool minimised = isMinimized();
    if (isVisible()) {
        hide();
        // The window manager still knows the iconified window: withdrawn and mapped again at
        // once, it may be lost between the two. A new native window is simply mapped.
        if (minimised)
            destroy();
    } else {
        placeForShow();
    }
    setWindowState(windowState() & ~Qt::WindowMinimized);
    m_inModal = true;
    const int result = exec(); // destroys the dialog before it returns
    if (guard)
        guard->m_inModal = false;
    return result;
}

void frmOptions::placeForShow()
{
    if (m_placed)
        return;
    m_placed = true;

    // Centred over the owner while it can be seen; on the screen while it is hidden to the
    // tray. The window manager frames us as it frames the owner.
    const QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
    const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    const QPoint centre =
        owner && owner->isVisible() ? owner->frameGeometry().center() : available.center();
    // Kept on the screen, even when the owner stands half off it.
    Placement::centre(this, owner, centre, available);
}

void frmOptions::done(int result)
{
    QDialog::done(result);
    // Unloaded: the next showing loads a fresh dialog even before this one is gone.
    if (s_loaded == this)
        s_loaded = nullptr;
}

bool frmOptions::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Paint && (watched == Frame1 || watched == Frame2)) {
        paintFrame(static_cast<QGroupBox*>(watched));
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void frmOptions::paintFrame(QGroupBox* frame)
{
    // One plain line round the frame, the caption standing on its top edge.
    QPainter painter(frame);
    const QFontMetrics metrics = frame->fontMetrics();
    const int lineY = metrics.height() / 2;
    painter.setPen(frame->palette().color(QPalette::Dark));
    painter.drawRect(QRect(0, lineY, frame->width() - 1, frame->height() - lineY - 1));

    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextShowMnemonic;
    QRect caption = metrics.boundingRect(QRect(), flags, frame->title());
    caption.moveTopLeft(QPoint(captionIndent, 0));
    caption.adjust(-captionPadding, 0, captionPadding, 0);
    caption = QStyle::visualRect(frame->layoutDirection(), frame->rect(), caption);
    painter.fillRect(caption, frame->palette().color(QPalette::Window));
    frame->style()->drawItemText(&painter, caption, flags | Qt::AlignHCenter, frame->palette(),
                                 frame->isEnabled(), frame->title(), QPalette::WindowText);
}

void frmOptions::keyPressEvent(QKeyEvent* event)
{
    // No default and no cancel button: Enter and Esc do nothing here.
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void frmOptions::setValue(QRadioButton* option, bool value)
{
    option->setChecked(value);
    if (value)
        runClickHandler(option);
}

void frmOptions::optionClicked(QRadioButton* option)
{
    // A click selects the button; a click on the selected one leaves it selected.
    if (!option->isChecked())
        option->setChecked(true);
    runClickHandler(option);
}

void frmOptions::runClickHandler(QRadioButton* option)
{
    if (option == Option1)
        Option1_Click();
    else if (option == Option2)
        Option2_Click();
    else if (option == Option3)
        Option3_Click();
    else if (option == Option4)
        Option4_Click();
}

void frmOptions::pairClick(QRadioButton* own, QRadioButton* partner)
{
    if (!own->isChecked())
        setValue(partner, true);
    if (own->isChecked())
        setValue(partner, false);
}

void frmOptions::Option1_Click()
{
    pairClick(Option1, Option2);
}

void frmOptions::Option2_Click()
{
    pairClick(Option2, Option1);
}

void frmOptions::Option3_Click()
{
    pairClick(Option3, Option4);
}

void frmOptions::Option4_Click()
{
    pairClick(Option4, Option3);
}

void frmOptions::Form_Load()
{
    const QString name = ColorTable::nameForText(Settings::color());
    if (!name.isEmpty())
        Combo1->setCurrentIndex(
            Combo1->findData(name, Qt::UserRole, Qt::MatchExactly | Qt::MatchCaseSensitive));

    setValue(Settings::cheat() ? Option1 : Option2, true);
    setValue(Settings::cheatNum() ? Option3 : Option4, true);
}

void frmOptions::Command1_Click()
{
    // No colour chosen: the stored text, whatever it is, stays.
    const QString colorText = ColorTable::textForName(Combo1->currentData().toString());
    if (!colorText.isEmpty())
        Settings::setColor(colorText);
    Settings::setCheat(Option1->isChecked());
    Settings::setCheatNum(Option3->isChecked());
    accept();
}

void frmOptions::Command2_Click()
{
    reject();
}

void frmOptions::Command3_Click()
{
    frmAbout::load(this)->showModal();
}
