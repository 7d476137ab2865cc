#pragma once

#include <QFont>

// The design's faces, Tahoma and Times New Roman, with sizes given in points and handed to Qt as
// whole pixels. Where a face is missing, a sans-serif or serif substitute keeps the layout
// readable.
class Fonts
{
public:
    // Call once after the application object exists. Debian's fonts-wine puts Tahoma where
    // fontconfig does not look; only its regular face is registered, because that package's
    // bold face is bold in spacing only and Qt's synthetic bold looks right.
    static void install();

    static QFont tahoma(double points, bool bold = false);
    static QFont timesNewRoman(double points);
};
