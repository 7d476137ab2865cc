#include "ui/SystemColors.h"

#include "ui/ColorValue.h"

namespace SystemColors {

namespace {

// The system colour indices in use on desktops, by the palette role that plays the same part.
std::optional<QColor> systemColor(int index, const QPalette& p)
{
    switch (index) {
    case 1: // desktop
    case 5: // window background
        return p.color(QPalette::Base);
    case 6: // window frame
    case 8: // window text
        return p.color(QPalette::WindowText);
    case 2:  // active caption
    case 13: // selection
        return p.color(QPalette::Highlight);
    case 9:  // caption text
    case 14: // selected text
        return p.color(QPalette::HighlightedText);
    case 15: // button face
        return p.color(QPalette::Button);
    case 16: // button shadow
        return p.color(QPalette::Dark);
    case 17: // disabled text
        return p.color(QPalette::Disabled, QPalette::Text);
    case 18: // button text
        return p.color(QPalette::ButtonText);
    case 20: // button highlight
        return p.color(QPalette::Light);
    case 21: // 3-D dark shadow
        return p.color(QPalette::Shadow);
    case 22: // 3-D light
        return p.color(QPalette::Midlight);
    case 23: // tooltip text
        return p.color(QPalette::ToolTipText);
    case 24: // tooltip background
        return p.color(QPalette::ToolTipBase);
    case 26: // hot-tracked item
        return p.color(QPalette::Link);
    case 4: // menu
        return p.color(QPalette::Window);
    case 7: // menu text
        return p.color(QPalette::WindowText);
    default:
        return std::nullopt;
    }
}

} // namespace

std::optional<QColor> toQColor(quint32 value, const QPalette& palette)
{
    if (ColorValue::isSystemColor(value)) {
        if ((value & 0x7FFFFF00u) != 0)
            return std::nullopt;
        return systemColor(int(value & 0xFF), palette);
    }
    return QColor(ColorValue::red(value), ColorValue::green(value), ColorValue::blue(value));
}

QPalette whitePalette(QPalette palette)
{
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::Button, Qt::white);
    return palette;
}

} // namespace SystemColors
