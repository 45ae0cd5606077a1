#include "Artwork.h"

#include <QImageReader>

namespace Artwork {

QPixmap pixmap(const QString& resourcePath)
{
    QImageReader reader(resourcePath, QByteArrayLiteral("png"));
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

QIcon icon(const QString& resourcePath, const QString& disabledPath)
{
    QIcon icon(pixmap(resourcePath));
    if (!disabledPath.isEmpty())
        icon.addPixmap(pixmap(disabledPath), QIcon::Disabled);
    return icon;
}

QIcon windowIcon()
{
    return icon(QStringLiteral(":/images/korvane.png"));
}

} // namespace Artwork
