#include "app/ClockFace.h"

#include "app/BcdDigits.h"
#include "app/FaceDesign.h"
#include "app/Lamp.h"
#include "ui/ColorValue.h"
#include "ui/Fonts.h"
#include "ui/SystemColors.h"
#include "ui/Twips.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QTime>

namespace {

using FaceDesign::Digit, FaceDesign::Field;

// "Minutes tens, weight 4" for "m14", "Hours units, weight 8" for "h8".
QString lampAccessibleName(const FaceDesign::Lamp& lamp)
{
    const QString field = lamp.field == Field::Hours     ? ClockFace::tr("Hours")
                          : lamp.field == Field::Minutes ? ClockFace::tr("Minutes")
                                                         : ClockFace::tr("Seconds");
    //: A lamp's name for screen readers: "Hours tens, weight 2"; %1 the field, %2 the digit.
    return ClockFace::tr("%1 %2, weight %3")
        .arg(field, lamp.digit == Digit::Tens ? ClockFace::tr("tens") : ClockFace::tr("units"))
        .arg(lamp.weight);
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
    setAccessibleName(tr("Clock face"));
    setAccessibleDescription(tr("Binary clock: hours, minutes and seconds"));
    buildLamps();
    buildButtons();
}

void ClockFace::buildLamps()
{
    using FaceDesign::lamps, FaceDesign::lampWidth, FaceDesign::lampHeight;
    const QFont faceFont = Fonts::tahoma(FaceDesign::faceFontPoints, true);

    // Lamps first, so the bit labels made after them lie on top.
    for (int i = 0; i < FaceDesign::lampCount; ++i) {
        auto* lamp = new Lamp(this);
        lamp->setObjectName(QLatin1String(FaceDesign::lampName(lamps[i]).text));
        lamp->setAccessibleName(lampAccessibleName(lamps[i]));
        lamp->setGeometry(Twips::rect(lamps[i].left, lamps[i].top, lampWidth, lampHeight));
        m_lamps[i] = lamp;
    }
    for (int i = 0; i < FaceDesign::lampCount; ++i) {
        m_bitLabels[i] =
            makeLabel(this, FaceDesign::bitLabelName(lamps[i]).text, QStringLiteral("0"),
                      Twips::rect(lamps[i].left, lamps[i].top + FaceDesign::bitLabelDrop, lampWidth,
                                  FaceDesign::labelHeight),
                      Qt::AlignHCenter, faceFont);
    }
    for (const FaceDesign::CheatLabel& d : FaceDesign::cheatLabels) {
        QLabel* label = makeLabel(
            this, d.name, QString::fromLatin1(d.caption),
            Twips::rect(d.left, d.top, d.width, FaceDesign::labelHeight),
            d.align == FaceDesign::Align::Left ? Qt::AlignLeft : Qt::AlignHCenter, faceFont);
        m_cheatLabels.push_back(label);
        if (d.field)
            m_readouts[int(*d.field)][d.digit == Digit::Tens] = label;
    }
}

void ClockFace::buildButtons()
{
    // Created in tab order: "Full Screen", "Close", "Hide to Tray", "Options".
    const QFont buttonFont = Fonts::tahoma(FaceDesign::buttonFontPoints, true);
    auto makeButton = [&](const FaceDesign::Button& design) {
        auto* button =
            new QPushButton(QCoreApplication::translate("FaceDesign", design.caption), this);
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

    const int values[3] = {time.second(), time.minute(), time.hour()};
    std::array<BcdField, 3> fields;
    for (int f = 0; f < 3; ++f) {
        fields[f] =
            BcdDigits::field(values[f], Field(f) == Field::Hours ? BcdDigits::hoursMaxTens
                                                                 : BcdDigits::sexagesimalMaxTens);
        write(m_readouts[f][0], fields[f].unitsReadout);
        write(m_readouts[f][1], fields[f].tensReadout);
    }

    // Each lamp goes straight to its colour for this second, white or lit, so only what really
    // changed is repainted.
    const QColor unlit = *SystemColors::toQColor(ColorValue::unlit, palette());
    for (int i = 0; i < FaceDesign::lampCount; ++i) {
        const FaceDesign::Lamp& design = FaceDesign::lamps[i];
        const BcdField& face = fields[int(design.field)];
        const bool on =
            (design.digit == Digit::Tens ? face.tensWeights : face.unitsWeights) & design.weight;
        const QColor& colour = on ? lit : unlit;
        if (m_lamps[i]->BackColor() != colour) {
            m_lamps[i]->setBackColor(colour);
            changed += m_lamps[i]->geometry();
        }
        write(m_bitLabels[i], on ? QStringLiteral("1") : QStringLiteral("0"));
    }

    // What a screen reader says for the face; nothing on screen changes with it.
    const auto two = [](int n) { return QString::number(n).rightJustified(2, QLatin1Char('0')); };
    setAccessibleName(two(time.hour()) + QLatin1Char(':') + two(time.minute()) + QLatin1Char(':') +
                      two(time.second()));

    // Painted and flushed once now, in this wake-up, rather than at a posted update request a
    // turn of the event loop later; the second is to show within a millisecond of its start.
    repaint(changed);
}
