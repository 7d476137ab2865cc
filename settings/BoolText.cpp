#include "settings/BoolText.h"

namespace BoolText {

bool toBool(QStringView text)
{
    return text.trimmed().compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
}

} // namespace BoolText
