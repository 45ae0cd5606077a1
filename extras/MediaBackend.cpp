#include "MediaBackend.h"

#include <QByteArray>
#include <QtGlobal>

void selectMediaBackend()
{
    if (qEnvironmentVariableIsEmpty("QT_MEDIA_BACKEND"))
        qputenv("QT_MEDIA_BACKEND", QByteArrayLiteral("gstreamer"));
}
