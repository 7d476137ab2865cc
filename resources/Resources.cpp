#include "resources/Resources.h"

#include <QImageReader>

namespace {

// The format is named so Qt takes its built-in reader straight away instead of probing the image
// plugins (and loading the JPEG library) to guess it.
QPixmap load(const QString& path, const char* format)
{
    QImageReader reader(path, format);
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

} // namespace

QIcon Resources::appIcon()
{
    // Hand-drawn pixel art for the small sizes, so Qt never has to shrink the large ones.
    QIcon icon;
    icon.addPixmap(load(QStringLiteral(":/icons/nimbex-16.xpm"), "xpm"));
    icon.addPixmap(load(QStringLiteral(":/icons/nimbex-32.xpm"), "xpm"));
    icon.addPixmap(load(QStringLiteral(":/icons/hicolor/48x48/nimbex.png"), "png"));
    icon.addPixmap(load(QStringLiteral(":/icons/hicolor/64x64/nimbex.png"), "png"));
    return icon;
}

QPixmap Resources::icon32()
{
    return load(QStringLiteral(":/icons/nimbex-32.xpm"), "xpm");
}

QCursor Resources::handCursor()
{
    // The fingertip, so a click lands where the finger points.
    return QCursor(load(QStringLiteral(":/cursors/hand.xpm"), "xpm"), 6, 4);
}
