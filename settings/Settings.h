#pragma once

#include <QString>

// Where the three choices live and what an absent one reads as.
namespace Settings {

inline const QString application = QStringLiteral("Vantrel");
inline const QString section = QStringLiteral("Nimbex");

inline const QString cheatKey = QStringLiteral("Cheat");       // cheat labels shown
inline const QString cheatNumKey = QStringLiteral("CheatNum"); // "0"/"1" in the lamps shown
inline const QString colorKey = QStringLiteral("Color");       // colour text of a lit lamp

inline constexpr bool defaultCheat = false;
inline constexpr bool defaultCheatNum = false;
inline const QString defaultColor = QStringLiteral("&HFF0000"); // blue

} // namespace Settings
