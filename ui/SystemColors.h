#pragma once

#include <QColor>
#include <QPalette>
#include <QtGlobal>
#include <optional>

// Turns a 32-bit colour value into what the screen shows. A value with the top bit set names a
// system colour by index (8 is the window-text colour); those come from the palette, so a dark or
// high-contrast scheme is followed.
namespace SystemColors {

// Nothing for a system colour index this platform has no counterpart for.
std::optional<QColor> toQColor(quint32 value, const QPalette& palette);

// The scheme with the designed white (&H00FFFFFF) for backgrounds and button faces; text and
// frames keep the scheme's colours.
QPalette whitePalette(QPalette palette);

} // namespace SystemColors
