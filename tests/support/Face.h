#pragma once

#include "ui/Twips.h"

#include <QColor>
#include <QImage>
#include <QString>
#include <QTime>

// A copy of the face's design kept apart from the program's (app/FaceDesign.h) on purpose: a check
// that read the program's tables could never disagree with the program.
// The face as designed, for every suite that looks at it: each lamp, the bit label over it and
// where the lamp stands in the face, in twips.
namespace Face {

struct LampRow
{
    const char* lamp; // field letter, then "1" and the weight for a tens lamp, the weight for units
    const char* bit;
    int left, top;
};

inline constexpr LampRow lamps[] = {
    {"h12", "lblh22", 120, 1920},  {"h11", "lblh21", 120, 2760},  {"h8", "lblh18", 1080, 240},
    {"h4", "lblh14", 1080, 1080},  {"h2", "lblh12", 1080, 1920},  {"h1", "lblh11", 1080, 2760},
    {"m14", "lblm24", 2040, 1080}, {"m12", "lblm22", 2040, 1920}, {"m11", "lblm21", 2040, 2760},
    {"m8", "lblm18", 3000, 240},   {"m4", "lblm14", 3000, 1080},  {"m2", "lblm12", 3000, 1920},
    {"m1", "lblm11", 3000, 2760},  {"s14", "lbls24", 3960, 1080}, {"s12", "lbls22", 3960, 1920},
    {"s11", "lbls21", 3960, 2760}, {"s8", "lbls18", 4920, 240},   {"s4", "lbls14", 4920, 1080},
    {"s2", "lbls12", 4920, 1920},  {"s1", "lbls11", 4920, 2760},
};

// The cheat labels: the decimal read-out under the columns (its caption is the time's), the
// colons, the weights' legend.
struct LabelRow
{
    const char* name;
    const char* caption; // null: a digit of the time
    int left, top, width;
};

inline constexpr LabelRow cheatLabels[] = {
    {"lblh2", nullptr, 120, 3600, 855},  {"lblh1", nullptr, 1080, 3600, 855},
    {"lblm2", nullptr, 2040, 3600, 855}, {"lblm1", nullptr, 3000, 3600, 855},
    {"lbls2", nullptr, 3960, 3600, 855}, {"lbls1", nullptr, 4920, 3600, 855},
    {"lblc2", ":", 1920, 3600, 255},     {"lblc1", ":", 3840, 3600, 255},
    {"lbl8", "8", 5880, 360, 855},       {"lbl4", "4", 5880, 1200, 855},
    {"lbl2", "2", 5880, 2040, 855},      {"lbl1", "1", 5880, 2880, 855},
};

// The buttons along the foot of the face, in the order the Tab key visits them.
struct ButtonRow
{
    const char* caption;
    int left;
};

inline constexpr ButtonRow buttons[] = {
    {"Full Screen", 1560}, {"Close", 3120}, {"Hide to Tray", 0}, {"Options", 4680}};
inline constexpr int buttonTop = 4200, buttonWidth = 1455, buttonHeight = 375;

inline constexpr int lampWidth = 855, lampHeight = 735, labelHeight = 495, bitLabelDrop = 120;
// Where the face stands in the client area of the normal window.
inline constexpr int normalLeft = 840, normalTop = 360;

// Where a control of the face shows in the normal window's client area, in pixels.
inline QRect place(int left, int top, int width, int height)
{
    return Twips::rect(normalLeft + left, normalTop + top, width, height);
}

// Whether a lamp is lit at a time of day, worked out from its name alone.
inline bool isLit(const LampRow& row, QTime t)
{
    const QString name = QString::fromLatin1(row.lamp);
    const int value = name[0] == QLatin1Char('h')   ? t.hour()
                      : name[0] == QLatin1Char('m') ? t.minute()
                                                    : t.second();
    const int digit = name.size() == 3 ? value / 10 : value % 10;
    return digit & name.back().digitValue();
}

// Whether a lamp shows in that colour in its exact place in the normal window's client area:
// just inside its dotted border and at a pixel clear of its bit label's digit, with the white
// just outside it. A face a pixel off its place shows one of them in another colour.
inline bool lampShows(const QImage& client, const LampRow& row, const QColor& colour)
{
    const QRect lamp = place(row.left, row.top, lampWidth, lampHeight);
    for (const QPoint& in :
         {lamp.topLeft() + QPoint(1, 1), lamp.topLeft() + QPoint(lamp.width(), lamp.height()) / 4,
          lamp.bottomRight() - QPoint(1, 1)})
        if (client.pixelColor(in) != colour)
            return false;
    for (const QPoint& out : {lamp.topLeft() - QPoint(1, 1), lamp.bottomRight() + QPoint(1, 1)})
        if (client.pixelColor(out) != Qt::white)
            return false;
    return true;
}

} // namespace Face
