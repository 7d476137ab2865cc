#pragma once

#include <QtGlobal>
#include <array>

// The notification-area record in its 88-byte single-byte-character form: 32-bit handles and a
// 64-character tip.
struct NOTIFYICONDATA
{
    quint32 cbSize;
    quint32 hWnd;
    quint32 uID;
    quint32 uFlags;
    quint32 uCallbackMessage;
    quint32 hIcon;
    std::array<char, 64> szTip;
};
static_assert(sizeof(NOTIFYICONDATA) == 88, "the shell expects the 88-byte form");

namespace modSystray {

inline constexpr quint32 NIM_ADD = 0;
inline constexpr quint32 NIM_DELETE = 2;

inline constexpr quint32 NIF_MESSAGE = 1;
inline constexpr quint32 NIF_ICON = 2;
inline constexpr quint32 NIF_TIP = 4;

// The program's one tray icon, filled once when the main window loads.
extern NOTIFYICONDATA trayIcon;

// Fills the whole record for the icon (hWnd, uID) with the icon hIcon and the tip: its mouse
// messages come to the window as mouse moves (WM_MOUSEMOVE). The tip is left-aligned in its
// field, ends with one NUL, and blanks fill the rest.
void fill(NOTIFYICONDATA& record, quint32 hWnd, quint32 uID, quint32 hIcon, const char* tip);

} // namespace modSystray
