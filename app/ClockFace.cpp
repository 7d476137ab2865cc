#include "app/ClockFace.h"

#include "app/BcdDigits.h"
#include "app/FaceDesign.h"
#include "app/Lamp.h"
#include "ui/ColorValue.h"
#include "ui/Fonts.h"
#include "ui/SystemColors.h"
#include "ui/Twips.h"

#include <QLabel>
#include <QPushButton>
#include <QTime>

namespace {

// Twips of the design, within the face.
constexpr double lampWidth = 855, lampHeight = 735;
constexpr double labelHeight = 495, bitLabelDrop = 120;
constexpr double faceFontPoints = 20.25, buttonFontPoints = 8.25;

struct LampDesign
{
    Lamp* ClockFace::*lamp;
    QLabel* ClockFace::*bit;
    const char* lampName;
    const char* bitName;
    double left, top;
};

// Columns stand 960 twips apart, rows 840; the tens columns lack the weights they never need.
const LampDesign lampDesigns[] = {
    {&ClockFace::h12, &ClockFace::lblh22, "h12", "lblh22", 120, 1920},
    {&ClockFace::h11, &ClockFace::lblh21, "h11", "lblh21", 120, 2760},
    {&ClockFace::h8, &ClockFace::lblh18, "h8", "lblh18", 1080, 240},
    {&ClockFace::h4, &ClockFace::lblh14, "h4", "lblh14", 1080, 1080},
    {&ClockFace::h2, &ClockFace::lblh12, "h2", "lblh12", 1080, 1920},
    {&ClockFace::h1, &ClockFace::lblh11, "h1", "lblh11", 1080, 2760},
    {&ClockFace::m14, &ClockFace::lblm24, "m14", "lblm24", 2040, 1080},
    {&ClockFace::m12, &ClockFace::lblm22, "m12", "lblm22", 2040, 1920},
    {&ClockFace::m11, &ClockFace::lblm21, "m11", "lblm21", 2040, 2760},
    {&ClockFace::m8, &ClockFace::lblm18, "m8", "lblm18", 3000, 240},
    {&ClockFace::m4, &ClockFace::lblm14, "m4", "lblm14", 3000, 1080},
    {&ClockFace::m2, &ClockFace::lblm12, "m2", "lblm12", 3000, 1920},
    {&ClockFace::m1, &ClockFace::lblm11, "m1", "lblm11", 3000, 2760},
    {&ClockFace::s14, &ClockFace::lbls24, "s14", "lbls24", 3960, 1080},
    {&ClockFace::s12, &ClockFace::lbls22, "s12", "lbls22", 3960, 1920},
    {&ClockFace::s11, &ClockFace::lbls21, "s11", "lbls21", 3960, 2760},
    {&ClockFace::s8, &ClockFace::lbls18, "s8", "lbls18", 4920, 240},
    {&ClockFace::s4, &ClockFace::lbls14, "s4", "lbls14", 4920, 1080},
    {&ClockFace::s2, &ClockFace::lbls12, "s2", "lbls12", 4920, 1920},
    {&ClockFace::s1, &ClockFace::lbls11, "s1", "lbls11", 4920, 2760},
};

struct CheatDesign
{
    QLabel* ClockFace::*label;
    const char* name;
    const char* caption;
    double left, top, width;
    Qt::Alignment align;
};

// In the order the tick switches them.
const CheatDesign cheatDesigns[] = {
    {&ClockFace::lbl1, "lbl1", "1", 5880, 2880, 855, Qt::AlignHCenter},
    {&ClockFace::lbl2, "lbl2", "2", 5880, 2040, 855, Qt::AlignHCenter},
    {&ClockFace::lbl4, "lbl4", "4", 5880, 1200, 855, Qt::AlignHCenter},
    {&ClockFace::lbl8, "lbl8", "8", 5880, 360, 855, Qt::AlignHCenter},
    {&ClockFace::lbls1, "lbls1", "S1", 4920, 3600, 855, Qt::AlignHCenter},
    {&ClockFace::lbls2, "lbls2", "S2", 3960, 3600, 855, Qt::AlignHCenter},
    {&ClockFace::lblm1, "lblm1", "M1", 3000, 3600, 855, Qt::AlignHCenter},
    {&ClockFace::lblm2, "lblm2", "M2", 2040, 3600, 855, Qt::AlignHCenter},
    {&ClockFace::lblh1, "lblh1", "H1", 1080, 3600, 855, Qt::AlignHCenter},
    {&ClockFace::lblh2, "lblh2", "H2", 120, 3600, 855, Qt::AlignHCenter},
    {&ClockFace::lblc1, "lblc1", ":", 3840, 3600, 255, Qt::AlignLeft},
    {&ClockFace::lblc2, "lblc2", ":", 1920, 3600, 255, Qt::AlignLeft},
};

// "m14" is the minutes-tens lamp of weight 4, "h8" the hours-units lamp of weight 8.
QString lampAccessibleName(const char* name)
{
    const QString n = QString::fromLatin1(name);
    const QString field = n[0] == QLatin1Char('h')   ? QStringLiteral("Hours")
                          : n[0] == QLatin1Char('m') ? QStringLiteral("Minutes")
                                                     : QStringLiteral("Seconds");
    const bool tens = n.size() == 3;
    return QStringLiteral("%1 %2, weight %3")
        .arg(field, tens ? QStringLiteral("tens") : QStringLiteral("units"), n.back());
}

QLabel* makeLabel(QWidget* parent, const char* name, const QString& caption, const QRect& geometry,
                  Qt::Alignment align, const QFont& font)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(align | Qt::AlignTop);
    label->setFont(font);
    label->setGeometry(geometry);
    label->hide();
    return label;
}

} // namespace

ClockFace::ClockFace(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Frame1"));
    setAutoFillBackground(true);
    setGeometry(Twips::rect(FaceDesign::frameLeft, FaceDesign::frameDesignTop,
                            FaceDesign::frameWidth, FaceDesign::frameHeight));
    setAccessibleName(QStringLiteral("Clock face"));
    setAccessibleDescription(QStringLiteral("Binary clock: hours, minutes and seconds"));
    buildLamps();
    buildButtons();
}

void ClockFace::buildLamps()
{
    const QFont faceFont = Fonts::tahoma(faceFontPoints, true);

    // Lamps first, so the bit labels created after them lie on top.
    for (const LampDesign& d : lampDesigns) {
        auto* lamp = new Lamp(this);
        lamp->setObjectName(QLatin1String(d.lampName));
        lamp->setAccessibleName(lampAccessibleName(d.lampName));
        lamp->setGeometry(Twips::rect(d.left, d.top, lampWidth, lampHeight));
        this->*d.lamp = lamp;
    }
    for (const LampDesign& d : lampDesigns) {
        this->*d.bit = makeLabel(this, d.bitName, QStringLiteral("0"),
                                 Twips::rect(d.left, d.top + bitLabelDrop, lampWidth, labelHeight),
                                 Qt::AlignHCenter, faceFont);
    }
    for (const CheatDesign& d : cheatDesigns) {
        QLabel* label =
            makeLabel(this, d.name, QString::fromLatin1(d.caption),
                      Twips::rect(d.left, d.top, d.width, labelHeight), d.align, faceFont);
        this->*d.label = label;
        m_cheatLabels.push_back(label);
    }

    // Seconds, minutes, hours: the order the tick walks them, and the order of m_lamps.
    m_fields = {{{lbls1, lbls2, 0, 3, BcdDigits::sexagesimalMaxTens},
                 {lblm1, lblm2, 7, 3, BcdDigits::sexagesimalMaxTens},
                 {lblh1, lblh2, 14, 2, BcdDigits::hoursMaxTens}}};
    const std::array<std::array<Lamp*, 7>, 3> lampsByField{{
        {s1, s2, s4, s8, s11, s12, s14},
        {m1, m2, m4, m8, m11, m12, m14},
        {h1, h2, h4, h8, h11, h12, nullptr},
    }};
    const std::array<std::array<QLabel*, 7>, 3> bitsByField{{
        {lbls11, lbls12, lbls14, lbls18, lbls21, lbls22, lbls24},
        {lblm11, lblm12, lblm14, lblm18, lblm21, lblm22, lblm24},
        {lblh11, lblh12, lblh14, lblh18, lblh21, lblh22, nullptr},
    }};
    for (int f = 0; f < 3; ++f) {
        for (int i = 0; i < 7 && lampsByField[f][i]; ++i) {
            m_lamps.push_back(lampsByField[f][i]);
            m_bitLabels.push_back(bitsByField[f][i]);
        }
    }
}

void ClockFace::buildButtons()
{
    // Created in tab order: "Full Screen", "Close", "Hide to Tray", "Options".
    const QFont buttonFont = Fonts::tahoma(buttonFontPoints, true);
    auto makeButton = [&](const FaceDesign::Button& design) {
        auto* button = new QPushButton(QString::fromLatin1(design.caption), this);
        button->setObjectName(QLatin1String(design.name));
        button->setFont(buttonFont);
        button->setPalette(SystemColors::whitePalette(button->palette()));
        button->setAutoDefault(false);
        button->setDefault(false);
        button->setGeometry(Twips::rect(design.left, FaceDesign::buttonTop, FaceDesign::buttonWidth,
                                        FaceDesign::buttonHeight));
        return button;
    };
    Command1 = makeButton(FaceDesign::Command1);
    Command4 = makeButton(FaceDesign::Command4);
    Command3 = makeButton(FaceDesign::Command3);
    Command2 = makeButton(FaceDesign::Command2);
    setTabOrder(Command1, Command4);
    setTabOrder(Command4, Command3);
    setTabOrder(Command3, Command2);
    Command1->setFocus();
}

QColor ClockFace::litColor(const QString& colorText) const
{
    const std::optional<quint32> value = ColorValue::fromText(colorText);
    std::optional<QColor> color;
    if (value)
        color = SystemColors::toQColor(*value, palette());
    if (!color)
        color = SystemColors::toQColor(ColorValue::defaultLit, palette());
    return *color;
}

void ClockFace::showTime(const QTime& time, const QColor& lit, bool cheatLabels, bool bitLabels)
{
    // What changes, in the face's coordinates, to be painted before this returns.
    QRegion changed;
    const auto show = [&](QLabel* label, bool visible) {
        if (label->isHidden() == visible) {
            label->setVisible(visible);
            changed += label->geometry();
        }
    };
    const auto write = [&](QLabel* label, const QString& text) {
        if (label->text() != text) {
            label->setText(text);
            changed += label->geometry();
        }
    };

    for (QLabel* label : m_cheatLabels)
        show(label, cheatLabels);
    for (QLabel* label : m_bitLabels)
        show(label, bitLabels);

    // The face is worked out in full first, every lamp reset and then lit, and handed to the
    // controls at the end, so only what really changed is repainted.
    constexpr int lampCount = 20;
    std::array<QColor, lampCount> colours;
    colours.fill(*SystemColors::toQColor(ColorValue::unlit, palette()));
    std::array<bool, lampCount> ones{};

    const int values[3] = {time.second(), time.minute(), time.hour()};
    for (int f = 0; f < 3; ++f) {
        const FieldControls& field = m_fields[f];
        const BcdField face = BcdDigits::field(values[f], field.maxTens);
        write(field.unitsReadout, face.unitsReadout);
        write(field.tensReadout, face.tensReadout);
        for (int i = 0; i < 4; ++i) {
            if (face.unitsWeights & (1 << i)) {
                colours[field.firstLamp + i] = lit;
                ones[field.firstLamp + i] = true;
            }
        }
        for (int i = 0; i < field.tensLamps; ++i) {
            if (face.tensWeights & (1 << i)) {
                colours[field.firstLamp + 4 + i] = lit;
                ones[field.firstLamp + 4 + i] = true;
            }
        }
    }
    for (int i = 0; i < lampCount; ++i) {
        if (m_lamps[i]->BackColor() != colours[i]) {
            m_lamps[i]->setBackColor(colours[i]);
            changed += m_lamps[i]->geometry();
        }
        write(m_bitLabels[i], ones[i] ? QStringLiteral("1") : QStringLiteral("0"));
    }

    // What a screen reader says for the face; nothing on screen changes with it.
    const auto two = [](int n) { return QString::number(n).rightJustified(2, QLatin1Char('0')); };
    setAccessibleName(two(time.hour()) + QLatin1Char(':') + two(time.minute()) + QLatin1Char(':') +
                      two(time.second()));

    // Painted and flushed once now, in this wake-up, rather than at a posted update request a
    // turn of the event loop later; the second is to show within a millisecond of its start.
    repaint(changed);
}
