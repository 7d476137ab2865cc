#include "app/Variant.h"

#include "settings/BoolText.h"

bool Variant::equalsTrue() const
{
    if (const bool* b = std::get_if<bool>(&m_value))
        return *b;
    if (const QString* t = std::get_if<QString>(&m_value))
        return BoolText::toBool(*t);
    return false;
}
