#pragma once

#include <QString>
#include <QStringList>
#include <array>

// The eight lamp colours: the name the Options dialog offers and the text the store keeps.
// Names and texts are one-to-one; both directions compare whole texts, exactly and with
// letter case, so "&hff0000" or "&H00FF0000" match no entry.
namespace ColorTable {

struct Entry
{
    const char* name;
    const char* text;
};

// In the order in which both lookups test them.
inline constexpr std::array<Entry, 8> entries{{
    {"Blue", "&HFF0000"},
    {"Red", "&HFF"},
    {"Green", "&HFF00"},
    {"Yellow", "&HFFFF"},
    {"Purple", "&HFF00FF"},
    {"Black", "&H80000008"}, // the system's window-text colour, not the mixture 0
    {"Orange", "&H000080FF"},
    {"LightBlue", "&HFFFF00"},
}};

// Empty when the name is none of the table's.
QString textForName(const QString& name);
// Empty when the text is none of the table's.
QString nameForText(const QString& text);

// The order in which the Options dialog lists the names.
QStringList dialogOrder();

} // namespace ColorTable
