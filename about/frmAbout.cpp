#include "about/frmAbout.h"

#include "about/AppVersion.h"
#include "about/Line.h"
#include "about/Shape.h"
#include "about/ShellExecute.h"
#include "resources/Resources.h"
#include "ui/Fonts.h"
#include "ui/Placement.h"
#include "ui/Twips.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

QPointer<frmAbout> frmAbout::s_loaded;

namespace {

// Twips of the design.
constexpr double clientWidth = 5625, clientHeight = 4815;
constexpr double smallPoints = 8.25;

const QColor black(0, 0, 0);
const QColor white(255, 255, 255);
const QColor lightOrange(0xFF, 0xC0, 0x80);
const QColor lightGreen(0x80, 0xFF, 0x80);
const QColor lightYellow(0xFF, 0xFF, 0xC0);
const QColor lightBlue(0xC0, 0xC0, 0xFF);
const QColor lightGrey(0xC0, 0xC0, 0xC0);

const char* const tagProperty = "Tag";
const char* const indexProperty = "Index";

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, const QRect& geometry,
                  const QFont& font)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    // The box is a designed picture: its texts keep their designed edge in every language, also
    // right to left, where the copyright's box runs on under the OK button.
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop | Qt::AlignAbsolute);
    label->setFont(font);
    label->setGeometry(geometry);
    return label;
}

void setTextColor(QWidget* widget, const QColor& color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    widget->setPalette(palette);
}

// A label without text that paints its whole area in one colour.
QLabel* makeBlock(QWidget* parent, const char* name, const QRect& geometry, const QColor& color)
{
    auto* block = new QLabel(parent);
    block->setObjectName(QLatin1String(name));
    QPalette palette = block->palette();
    palette.setColor(QPalette::Window, color);
    block->setPalette(palette);
    block->setAutoFillBackground(true);
    block->setGeometry(geometry);
    return block;
}

} // namespace

frmAbout::frmAbout(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("frmAbout"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("About Nimbex"));
    // No icon of its own, and not the clock's either, which a dialog would otherwise inherit.
    setWindowIcon(QIcon());
    setFont(Fonts::tahoma(smallPoints));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, white);
    setPalette(palette);
    setAutoFillBackground(true);
    setFixedSize(Twips::size(clientWidth, clientHeight));
    buildLayout();
}

void frmAbout::buildLayout()
{
    const QFont small = Fonts::tahoma(smallPoints);
    const QString address = webAddress();

    // Created from the bottom up: a later sibling covers an earlier one.
    lblDescription =
        makeBlock(this, "lblDescription", Twips::rect(1080, 960, 3885, 690), lightYellow);
    Label1 = makeBlock(this, "Label1", Twips::rect(1080, 240, 3876, 536), lightOrange);

    shpRect[2] = new Shape(this);
    shpRect[2]->setShapeRect(Twips::rect(5040, 120, 555, 615));
    shpRect[2]->setFillColor(lightBlue);

    lblVersion = makeLabel(this, "lblVersion", QStringLiteral("Version: 1.0 Beta"),
                           Twips::rect(1080, 1920, 2010, 225), small);
    setTextColor(lblVersion, black);

    Line1[0] = new Line(this);
    Line1[0]->setLine(Twips::point(105, 1860), Twips::point(5654, 1860), 2, white);
    Line1[1] = new Line(this);
    Line1[1]->setLine(Twips::point(1080, 1845), Twips::point(5655, 1845), 1, lightGrey);

    lblInfo[1] = makeLabel(this, "lblInfo", QStringLiteral("Nimbex"),
                           Twips::rect(1200, 960, 3555, 855), Fonts::tahoma(27.75, true));

    lblCopyright = makeLabel(this, "lblCopyright", tr("Copyright \u00A9 2026 Vantrel"),
                             Twips::rect(1080, 4200, 3255, 195), small);
    setTextColor(lblCopyright, black);
    lblURL = makeLabel(this, "lblURL", address, Twips::rect(1080, 4440, 2175, 195), small);
    setTextColor(lblURL, black);
    lblProduct = makeLabel(this, "lblProduct", tr("Vantrel Online"),
                           Twips::rect(1080, 2160, 1275, 195), small);

    lblDotLine[1] = makeLabel(this, "lblDotLine", QStringLiteral("......."),
                              Twips::rect(3090, 255, 2475, 495), Fonts::timesNewRoman(24));
    lblDotLine[1]->setAlignment(Qt::AlignRight | Qt::AlignTop | Qt::AlignAbsolute);

    lblTitle = makeLabel(this, "lblTitle", QStringLiteral("  Vantrel"),
                         Twips::rect(960, 240, 3945, 480), Fonts::tahoma(18));
    setTextColor(lblTitle, black);

    lblDotLine[0] = makeLabel(this, "lblDotLine", QStringLiteral("......"),
                              Twips::rect(60, 840, 2115, 735), Fonts::timesNewRoman(36));

    imgIcon = new QLabel(this);
    imgIcon->setObjectName(QStringLiteral("imgIcon"));
    imgIcon->setPixmap(Resources::icon32());
    imgIcon->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    imgIcon->setGeometry(Twips::rect(360, 360, 480, 480));

    lblInfo[4] = makeBlock(this, "lblInfo", Twips::rect(1080, 780, 3885, 225), lightGreen);

    shpRect[0] = new Shape(this);
    shpRect[0]->setShapeRect(Twips::rect(4800, 540, 615, 675));
    shpRect[0]->setBorderWidth(8);

    Label2 = makeLabel(this, "Label2", tr("I was bored... go figure..."),
                       Twips::rect(1080, 2520, 4455, 855), small);
    Label2->setWordWrap(true);

    shpRect[1] = new Shape(this);
    shpRect[1]->setShapeRect(Twips::rect(180, 180, 855, 855));
    shpRect[1]->setBorderWidth(16);

    for (std::size_t i = 0; i < shpRect.size(); ++i) {
        shpRect[i]->setObjectName(QStringLiteral("shpRect"));
        shpRect[i]->setProperty(indexProperty, int(i));
    }
    for (std::size_t i = 0; i < Line1.size(); ++i) {
        Line1[i]->setObjectName(QStringLiteral("Line1"));
        Line1[i]->setProperty(indexProperty, int(i));
    }
    for (std::size_t i = 0; i < lblDotLine.size(); ++i)
        lblDotLine[i]->setProperty(indexProperty, int(i));
    lblInfo[1]->setProperty(indexProperty, 1);
    lblInfo[4]->setProperty(indexProperty, 4);

    for (QLabel* link : {lblProduct, lblURL, lblCopyright}) {
        link->setProperty(tagProperty, address);
        link->setCursor(Resources::handCursor());
        link->installEventFilter(this);
    }

    // The two controls that take the focus lie above everything else, in tab order.
    cmdOK = new QPushButton(tr("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(Twips::rect(4200, 4320, 1260, 345));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);

    txtSpecialCopyright = new QPlainTextEdit(this);
    txtSpecialCopyright->setObjectName(QStringLiteral("txtSpecialCopyright"));
    txtSpecialCopyright->setAccessibleName(tr("Legal warning"));
    txtSpecialCopyright->setGeometry(Twips::rect(1080, 3480, 4455, 675));
    txtSpecialCopyright->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtSpecialCopyright->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    txtSpecialCopyright->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    txtSpecialCopyright->setTabChangesFocus(true);
    txtSpecialCopyright->setPlainText(legalWarning());
    txtSpecialCopyright->installEventFilter(this);

    setTabOrder(cmdOK, txtSpecialCopyright);
}

frmAbout* frmAbout::load(QWidget* parent)
{
    if (!s_loaded) {
        s_loaded = new frmAbout(parent);
        s_loaded->Form_Load();
    }
    return s_loaded;
}

frmAbout* frmAbout::loaded()
{
    return s_loaded;
}

int frmAbout::showModal()
{
    // A modal box mapped iconic would block every window while nobody can see it.
    setWindowState(windowState() & ~Qt::WindowMinimized);
    if (!isVisible())
        placeOnScreen();
    return exec();
}

QString frmAbout::webAddress()
{
    return QStringLiteral("https://vantrel.example/");
}

QString frmAbout::legalWarning()
{
    //: Six lines, each ending in CR LF.
    return tr("Warning: this computer program is protected by\r\n"
              "copyright laws and by international treaties.\r\n"
              "Unauthorized copying, use, or distribution of this\r\n"
              "program, or of any part of it, may result in severe\r\n"
              "civil and criminal penalties, and will be prosecuted\r\n"
              "to the fullest extent possible under the law.\r\n");
}

void frmAbout::placeOnScreen()
{
    // The window manager adds the same frame it gives the window beneath us.
    const QWidget* below = parentWidget() ? parentWidget()->window() : nullptr;
    const QScreen* screen = below ? below->screen() : QGuiApplication::primaryScreen();
    if (screen)
        Placement::centre(this, below, screen->availableGeometry().center(),
                          screen->availableGeometry());
}

void frmAbout::Form_Load()
{
    lblVersion->setText(AppVersion::current().versionLine());
}

void frmAbout::cmdOK_Click()
{
    // Unload: closing destroys the window.
    accept();
}

void frmAbout::lblProduct_Click()
{
    openLink(lblProduct);
}

void frmAbout::lblURL_Click()
{
    openLink(lblURL);
}

void frmAbout::lblCopyright_Click()
{
    openLink(lblCopyright);
}

void frmAbout::openLink(const QLabel* label)
{
    // A link that cannot be opened fails quietly.
    ShellExecuteA(winId(), QStringLiteral("Open"), label->property(tagProperty).toString(),
                  QString(), QCoreApplication::applicationDirPath(), SW_SHOWNORMAL);
}

bool frmAbout::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txtSpecialCopyright && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            // Enter belongs to the OK button even here; Ctrl+Enter breaks the line.
            if (key->modifiers() & Qt::ControlModifier)
                txtSpecialCopyright->insertPlainText(QStringLiteral("\n"));
            else
                cmdOK->click();
            return true;
        }
        return false;
    }

    auto* link = qobject_cast<QLabel*>(watched);
    if (!link || (link != lblProduct && link != lblURL && link != lblCopyright))
        return QDialog::eventFilter(watched, event);

    if (event->type() == QEvent::MouseButtonPress) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton)
            m_pressedLink = link;
        return true;
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton)
            return true;
        // A click is a press and a release on the same label.
        const bool clicked =
            m_pressedLink == link && link->rect().contains(mouse->position().toPoint());
        m_pressedLink = nullptr;
        if (clicked) {
            if (link == lblProduct)
                lblProduct_Click();
            else if (link == lblURL)
                lblURL_Click();
            else
                lblCopyright_Click();
        }
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void frmAbout::keyPressEvent(QKeyEvent* event)
{
    // OK is the cancel button as well.
    if (event->key() == Qt::Key_Escape) {
        cmdOK->click();
        return;
    }
    QDialog::keyPressEvent(event);
}
