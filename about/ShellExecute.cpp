#include "about/ShellExecute.h"

#include <QDesktopServices>
#include <QUrl>

namespace {

// The shell's own result values.
constexpr long success = 42;
constexpr long errorFileNotFound = 2;
constexpr long errorNoAssociation = 31;

} // namespace

long ShellExecuteA(WId hwnd, const QString& operation, const QString& file,
                   const QString& parameters, const QString& directory, int showCmd)
{
    Q_UNUSED(hwnd);
    Q_UNUSED(parameters);
    Q_UNUSED(directory);
    Q_UNUSED(showCmd);

    if (operation.compare(QLatin1String("open"), Qt::CaseInsensitive) != 0)
        return errorNoAssociation;
    const QUrl url = QUrl::fromUserInput(file);
    if (!url.isValid() || url.isEmpty())
        return errorFileNotFound;
    return QDesktopServices::openUrl(url) ? success : errorNoAssociation;
}
