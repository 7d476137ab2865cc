#pragma once

#include <optional>

// A state variable of the window: empty until first set, then a Boolean. Empty reads as not
// true, so a test of it before anything was stored takes the "no" branch.
class Variant
{
public:
    Variant() = default;
    Variant(bool value) : m_value(value) {}

    bool equalsTrue() const { return m_value.value_or(false); }

private:
    std::optional<bool> m_value;
};
