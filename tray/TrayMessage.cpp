#include "tray/TrayMessage.h"

#include <climits>
#include <cmath>

namespace TrayMessage {

int codeFromX(double x, int scaleMode, double twipsPerPixelX)
{
    const double pixels = scaleMode == vbPixels ? x : x / twipsPerPixelX;
    if (!std::isfinite(pixels) || pixels >= double(INT_MAX) || pixels <= double(INT_MIN))
        return 0;
    // Banker's rounding, whatever rounding mode the process happens to be in.
    const double floor = std::floor(pixels);
    const double frac = pixels - floor;
    double rounded = floor;
    if (frac > 0.5 || (frac == 0.5 && std::fmod(floor, 2.0) != 0.0))
        rounded = floor + 1.0;
    return int(rounded);
}

Action actionFor(int code)
{
    switch (code) {
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
        return Action::Restore;
    case WM_RBUTTONUP:
        return Action::PopupMenu;
    default:
        return Action::None;
    }
}

} // namespace TrayMessage
