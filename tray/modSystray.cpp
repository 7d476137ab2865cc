#include "tray/modSystray.h"

#include "tray/TrayMessage.h"

#include <cstring>

namespace modSystray {

NOTIFYICONDATA trayIcon{};

void fill(NOTIFYICONDATA& record, quint32 hWnd, quint32 uID, quint32 hIcon, const char* tip)
{
    record.cbSize = sizeof(NOTIFYICONDATA);
    record.hWnd = hWnd;
    record.uID = uID;
    record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    record.uCallbackMessage = TrayMessage::WM_MOUSEMOVE;
    record.hIcon = hIcon;
    record.szTip.fill(' ');
    const std::size_t n = std::min(std::strlen(tip), record.szTip.size() - 1);
    std::memcpy(record.szTip.data(), tip, n);
    record.szTip[n] = '\0';
}

} // namespace modSystray
