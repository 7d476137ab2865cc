#pragma once

#include <QStringView>
#include <QtGlobal>
#include <optional>

// A colour as the settings hold it: "&H" and hexadecimal digits, or decimal digits, naming a
// 32-bit value in blue-green-red order (red in the low byte). The top bit set names a system
// colour by the index in the low byte.
namespace ColorValue {

inline constexpr quint32 systemColorFlag = 0x80000000u;
inline constexpr quint32 defaultLit = 0x00FF0000u; // blue, what an empty store gives
inline constexpr quint32 unlit = 0x00FFFFFFu;      // white

// Nothing when the text is neither form or does not fit in 32 bits (only a hand-edited store
// holds such a text).
std::optional<quint32> fromText(QStringView text);

inline bool isSystemColor(quint32 value)
{
    return (value & systemColorFlag) != 0;
}
inline int red(quint32 value)
{
    return int(value & 0xFF);
}
inline int green(quint32 value)
{
    return int((value >> 8) & 0xFF);
}
inline int blue(quint32 value)
{
    return int((value >> 16) & 0xFF);
}

} // namespace ColorValue
