#include "app/FileMenu.h"

FileMenu::FileMenu(QWidget* parent) : QMenu(QStringLiteral("File"), parent)
{
    setObjectName(QStringLiteral("File"));
    setAccessibleName(QStringLiteral("Nimbex menu"));
    const auto named = [](QAction* item, const char* name) {
        item->setObjectName(QLatin1String(name));
        return item;
    };
    Show = named(addAction(QStringLiteral("&Show")), "Show");
    Options = named(addAction(QStringLiteral("&Options")), "Options");
    gap1 = named(addSeparator(), "gap1");
    Exit = named(addAction(QStringLiteral("E&xit")), "Exit");
}
