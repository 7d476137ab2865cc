#include "resources/Resources.h"

QIcon Resources::appIcon()
{
    // Hand-drawn pixel art for the small sizes, so Qt never has to shrink the large ones.
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/nimbex-16.xpm"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/icons/nimbex-32.xpm"), QSize(32, 32));
    icon.addFile(QStringLiteral(":/icons/hicolor/48x48/nimbex.png"), QSize(48, 48));
    icon.addFile(QStringLiteral(":/icons/hicolor/64x64/nimbex.png"), QSize(64, 64));
    return icon;
}

QPixmap Resources::icon32()
{
    return QPixmap(QStringLiteral(":/icons/nimbex-32.xpm"));
}

QCursor Resources::handCursor()
{
    // The fingertip, so a click lands where the finger points.
    return QCursor(QPixmap(QStringLiteral(":/cursors/hand.xpm")), 6, 4);
}
