#pragma once

#include <QString>
#include <QStringView>

// Booleans as the settings store holds them: the texts "True" and "False".
namespace BoolText {

inline QString fromBool(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

// The program writes only "True" and "False". A hand-edited text reads as true when it is
// "true" in any letter case (blanks around it ignored) and as false otherwise; QVariant's
// toBool() would call "abc" true.
bool toBool(QStringView text);

} // namespace BoolText
