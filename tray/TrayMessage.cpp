#include "tray/TrayMessage.h"

#include <climits>
#include <cmath>

namespace TrayMessage {

int codeFromX(double x, int scaleMode, double twipsPerPixelX)
{
    const double pixels = scaleMode == vbPixels ? x : x / twipsPerPixelX;
    if (!std::isfinite(pixels) || pixels >= double(INT_MAX) || pixels <= double(INT_MIN))
        return 0;
    // Halves to the even neighbour, as the default rounding mode does; the tray layer only ever
    // sends whole pixels.
    return int(std::nearbyint(pixels));
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
