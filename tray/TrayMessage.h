#pragma once

// The tray icon's mouse messages reach the window as mouse-move events whose X, read as pixels,
// is the message number. These turn X back into that number and say what it asks for.
namespace TrayMessage {

enum Code : int
{
    WM_MOUSEMOVE = 512,
    WM_LBUTTONDOWN = 513,
    WM_LBUTTONUP = 514,
    WM_LBUTTONDBLCLK = 515,
    WM_RBUTTONDOWN = 516,
    WM_RBUTTONUP = 517,
    WM_RBUTTONDBLCLK = 518,
    WM_MBUTTONUP = 520,
};

enum class Action
{
    None,
    Restore,
    PopupMenu
};

inline constexpr int vbPixels = 3; // the scale mode in which X is already in pixels

// X in the window's scale unit back to the message number, halves rounded to the even neighbour.
int codeFromX(double x, int scaleMode, double twipsPerPixelX);

Action actionFor(int code);

} // namespace TrayMessage
