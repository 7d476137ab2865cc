#pragma once

#include <iterator>
#include <optional>

// The clock window's face as designed, in twips: where it stands, its lamps, labels and buttons.
// The program builds the face from these tables alone. Kept free of Qt and of any display, so
// that whatever aims at the face from outside (the end-to-end tests, the benchmark) aims where
// the program puts it.

// Marks the captions for Qt's translation tools (as Qt defines it, so the two agree); the face
// looks them up in context "FaceDesign".
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace FaceDesign {

// The window's client area, and where the face stands in it: as created, and once it shows.
inline constexpr int clientWidth = 7650, clientHeight = 5085;
inline constexpr int frameLeft = 840, frameDesignTop = 240, frameNormalTop = 360;
inline constexpr int frameWidth = 6735, frameHeight = 4695;

// Captions are in Tahoma bold: the labels' of the first size, the buttons' of the second.
inline constexpr double faceFontPoints = 20.25, buttonFontPoints = 8.25;

// The fields of the time, in the order the tick walks them.
enum class Field
{
    Seconds,
    Minutes,
    Hours
};
// A digit's place, as the bit labels number it.
enum class Digit
{
    Units = 1,
    Tens = 2
};

// The letter every control of a field is named with.
constexpr char letter(Field field)
{
    return field == Field::Hours ? 'h' : field == Field::Minutes ? 'm' : 's';
}

// A control's name, derived from the lamp it belongs to.
struct Name
{
    char text[8]{};
};

// ---- Lamps, and the bit label over each ----

struct Lamp
{
    Field field;
    Digit digit;
    int weight; // 8, 4, 2 or 1
    int left, top;
};

inline constexpr int lampWidth = 855, lampHeight = 735;
// A bit label is as wide as its lamp and stands this much lower.
inline constexpr int labelHeight = 495, bitLabelDrop = 120;

// Columns stand 960 twips apart, rows 840; the tens columns lack the weights they never need.
// In the order they are made, hours tens first: the later lie on top.
inline constexpr Lamp lamps[] = {
    {Field::Hours, Digit::Tens, 2, 120, 1920},     {Field::Hours, Digit::Tens, 1, 120, 2760},
    {Field::Hours, Digit::Units, 8, 1080, 240},    {Field::Hours, Digit::Units, 4, 1080, 1080},
    {Field::Hours, Digit::Units, 2, 1080, 1920},   {Field::Hours, Digit::Units, 1, 1080, 2760},
    {Field::Minutes, Digit::Tens, 4, 2040, 1080},  {Field::Minutes, Digit::Tens, 2, 2040, 1920},
    {Field::Minutes, Digit::Tens, 1, 2040, 2760},  {Field::Minutes, Digit::Units, 8, 3000, 240},
    {Field::Minutes, Digit::Units, 4, 3000, 1080}, {Field::Minutes, Digit::Units, 2, 3000, 1920},
    {Field::Minutes, Digit::Units, 1, 3000, 2760}, {Field::Seconds, Digit::Tens, 4, 3960, 1080},
    {Field::Seconds, Digit::Tens, 2, 3960, 1920},  {Field::Seconds, Digit::Tens, 1, 3960, 2760},
    {Field::Seconds, Digit::Units, 8, 4920, 240},  {Field::Seconds, Digit::Units, 4, 4920, 1080},
    {Field::Seconds, Digit::Units, 2, 4920, 1920}, {Field::Seconds, Digit::Units, 1, 4920, 2760},
};
inline constexpr int lampCount = int(std::size(lamps));

// The field letter, then the weight for a units lamp, or "1" and the weight for a tens lamp:
// "m14" is the minutes-tens lamp of weight 4, "h8" the hours-units lamp of weight 8.
constexpr Name lampName(const Lamp& lamp)
{
    Name n;
    int i = 0;
    n.text[i++] = letter(lamp.field);
    if (lamp.digit == Digit::Tens)
        n.text[i++] = '1';
    n.text[i] = char('0' + lamp.weight);
    return n;
}

// "lbl", the field letter, the digit's place and the weight: "lblm24" lies over "m14".
constexpr Name bitLabelName(const Lamp& lamp)
{
    return {
        {'l', 'b', 'l', letter(lamp.field), char('0' + int(lamp.digit)), char('0' + lamp.weight)}};
}

// ---- The cheat labels: the decimal read-out under the columns, the colons, the weights ----

enum class Align
{
    Centre,
    Left
};

struct CheatLabel
{
    const char* name;
    const char* caption;
    int left, top, width;
    Align align;
    // A read-out's digit, shown by the tick in place of the caption; none for the rest.
    std::optional<Field> field = std::nullopt;
    Digit digit = Digit::Units;
};

// In the order they are made.
inline constexpr CheatLabel cheatLabels[] = {
    {"lbl1", "1", 5880, 2880, 855, Align::Centre},
    {"lbl2", "2", 5880, 2040, 855, Align::Centre},
    {"lbl4", "4", 5880, 1200, 855, Align::Centre},
    {"lbl8", "8", 5880, 360, 855, Align::Centre},
    {"lbls1", "S1", 4920, 3600, 855, Align::Centre, Field::Seconds, Digit::Units},
    {"lbls2", "S2", 3960, 3600, 855, Align::Centre, Field::Seconds, Digit::Tens},
    {"lblm1", "M1", 3000, 3600, 855, Align::Centre, Field::Minutes, Digit::Units},
    {"lblm2", "M2", 2040, 3600, 855, Align::Centre, Field::Minutes, Digit::Tens},
    {"lblh1", "H1", 1080, 3600, 855, Align::Centre, Field::Hours, Digit::Units},
    {"lblh2", "H2", 120, 3600, 855, Align::Centre, Field::Hours, Digit::Tens},
    {"lblc1", ":", 3840, 3600, 255, Align::Left},
    {"lblc2", ":", 1920, 3600, 255, Align::Left},
};

// ---- The buttons ----

// The four buttons share one row along the foot of the face; lefts are within the face.
inline constexpr int buttonTop = 4200, buttonWidth = 1455, buttonHeight = 375;

struct Button
{
    const char* name;
    const char* caption;
    int left;
};

// From left to right they read "Hide to Tray", "Full Screen", "Close", "Options".
inline constexpr Button Command1{"Command1", QT_TRANSLATE_NOOP("FaceDesign", "Full Screen"), 1560};
inline constexpr Button Command2{"Command2", QT_TRANSLATE_NOOP("FaceDesign", "Options"), 4680};
inline constexpr Button Command3{"Command3", QT_TRANSLATE_NOOP("FaceDesign", "Hide to Tray"), 0};
inline constexpr Button Command4{"Command4", QT_TRANSLATE_NOOP("FaceDesign", "Close"), 3120};

} // namespace FaceDesign
