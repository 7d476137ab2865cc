#pragma once

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QRadioButton>
#include <QStyleOption>

// Whether the texts of a window fit their controls at the controls' fonts, measured with the
// fonts that really draw them, fallbacks for other scripts included.
namespace Fits {

// The languages the program speaks besides English; Arabic and Hebrew read right to left.
inline constexpr const char* languages[] = {"de", "fr", "es",    "it", "pt_BR", "pl",
                                            "ru", "ja", "zh_CN", "ar", "he"};

// A character no installed font has, a line wider than the area the control draws it in, or
// ink cut off above or below that area. Ink may stand out as far as the design's own English
// texts do: a round capital's overshoot above, a pixel of antialiasing below.
inline bool fits(const QWidget* w, const QRect& area, int flags, const QString& text)
{
    const QFontMetrics metrics(w->font());
    for (char32_t c : text.toUcs4())
        if (c > U' ' && !metrics.inFontUcs4(c))
            return false;
    if (metrics.boundingRect(QRect(QPoint(), area.size()), flags, text).width() > area.width())
        return false;
    constexpr int above = 2, below = 1, margin = 20;
    QImage ink(area.width(), area.height() + 2 * margin, QImage::Format_RGB32);
    ink.fill(Qt::white);
    QPainter painter(&ink);
    painter.setFont(w->font());
    painter.drawText(QRect(0, margin, area.width(), area.height()), flags | Qt::TextDontClip, text);
    painter.end();
    for (int y = 0; y < ink.height(); ++y)
        for (int x = 0; x < ink.width(); ++x)
            if ((y < margin - above || y >= margin + area.height() + below) &&
                qGray(ink.pixel(x, y)) < 160)
                return false;
    return true;
}

// The texts of the window that do not fit: captions, options, entries of lists.
inline QStringList faults(const QWidget& window)
{
    QStringList all;
    for (QWidget* w : window.findChildren<QWidget*>()) {
        const auto check = [&](const QRect& area, int flags, const QString& text) {
            if (!fits(w, area, flags | Qt::TextShowMnemonic, text))
                all << w->objectName() + ": " + text;
        };
        QStyleOptionButton button;
        button.initFrom(w);
        QStyleOptionComboBox box;
        box.initFrom(w);
        const bool radio = qobject_cast<QRadioButton*>(w);
        if (auto* l = qobject_cast<QLabel*>(w))
            check(l->contentsRect(), l->alignment() | (l->wordWrap() ? Qt::TextWordWrap : 0),
                  l->text());
        else if (auto* b = qobject_cast<QAbstractButton*>(w))
            check(w->style()->subElementRect(radio ? QStyle::SE_RadioButtonContents
                                                   : QStyle::SE_PushButtonContents,
                                             &button, w),
                  radio ? Qt::AlignVCenter : Qt::AlignCenter, b->text());
        else if (auto* g = qobject_cast<QGroupBox*>(w)) // the caption 8 px clear of each side
            check(g->rect().adjusted(8, 0, -8, 0), Qt::AlignTop, g->title());
        else if (auto* c = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < c->count(); ++i)
                check(w->style()->subControlRect(QStyle::CC_ComboBox, &box,
                                                 QStyle::SC_ComboBoxEditField, w),
                      Qt::AlignVCenter, c->itemText(i));
    }
    return all;
}

} // namespace Fits
