#include "app/FileMenu.h"

FileMenu::FileMenu(QWidget* parent) : QMenu(tr("File"), parent)
{
    setObjectName(QStringLiteral("File"));
    setAccessibleName(tr("Nimbex menu"));
    const auto named = [](QAction* item, const char* name) {
        item->setObjectName(QLatin1String(name));
        return item;
    };
    Show = named(addAction(tr("&Show")), "Show");
    Options = named(addAction(tr("&Options")), "Options");
    gap1 = named(addSeparator(), "gap1");
    Exit = named(addAction(tr("E&xit")), "Exit");
}
