#pragma once

#include <QString>
#include <variant>

// A value that is empty, a Boolean or a text, as the window's state variables are. It equals
// True only when it holds the Boolean True or a text that reads as true ("True").
class Variant
{
public:
    Variant() = default;
    Variant(bool value) : m_value(value) {}
    Variant(const QString& text) : m_value(text) {}

    bool equalsTrue() const;

private:
    std::variant<std::monostate, bool, QString> m_value;
};
