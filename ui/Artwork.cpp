#include "Artwork.h"

#include <QGuiApplication>
#include <QImageReader>

namespace {

QPixmap readPng(const QString& resourcePath)
{
    QImageReader reader(resourcePath, QByteArrayLiteral("png"));
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

// The same picture drawn at twice the size, held as the same size on the screen; null when it has
// none.
QPixmap readDoubled(const QString& resourcePath)
{
    QString doubledPath = resourcePath;
    doubledPath.insert(doubledPath.lastIndexOf(QLatin1Char('.')), QLatin1String("@2x"));
    QPixmap doubled = readPng(doubledPath);
    doubled.setDevicePixelRatio(2);
    return doubled;
}

void addDrawings(QIcon& icon, const QString& resourcePath, QIcon::Mode mode)
{
    icon.addPixmap(readPng(resourcePath), mode);
    if (const QPixmap doubled = readDoubled(resourcePath); !doubled.isNull())
        icon.addPixmap(doubled, mode);
}

} // namespace

namespace Artwork {

QPixmap pixmap(const QString& resourcePath)
{
    // At scale 1 the picture drawn for it, pixel for pixel; above, one stretched from twice the
    // pixels stays sharp.
    if (qGuiApp != nullptr && qGuiApp->devicePixelRatio() > 1)
        if (const QPixmap doubled = readDoubled(resourcePath); !doubled.isNull())
            return doubled;
    return readPng(resourcePath);
}

QIcon icon(const QString& resourcePath, const QString& disabledPath)
{
    // Qt picks the drawing whose scale matches the screen the icon is painted on.
    QIcon icon;
    addDrawings(icon, resourcePath, QIcon::Normal);
    if (!disabledPath.isEmpty())
        addDrawings(icon, disabledPath, QIcon::Disabled);
    return icon;
}

QIcon windowIcon()
{
    return icon(QStringLiteral(":/images/korvane.png"));
}

} // namespace Artwork
