#include "tray/modSystray.h"

#include <cstring>

namespace modSystray {

NOTIFYICONDATA trayIcon{};

void setTip(NOTIFYICONDATA& record, const char* text)
{
    record.szTip.fill(' ');
    const std::size_t n = std::min(std::strlen(text), record.szTip.size() - 1);
    std::memcpy(record.szTip.data(), text, n);
    record.szTip[n] = '\0';
}

} // namespace modSystray
