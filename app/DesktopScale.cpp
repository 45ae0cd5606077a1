#include "DesktopScale.h"

#include <QByteArray>
#include <QtGlobal>

namespace DesktopScale {

void settle()
{
    if (qEnvironmentVariableIsEmpty("QT_SCALE_FACTOR") ||
        qEnvironmentVariableIsSet("QT_ENABLE_HIGHDPI_SCALING"))
        return;
    // Without the factor Qt derives from the font density, the fonts would follow that density
    // alone: they are held at 96 dpi, which the global factor then scales with the layout.
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    qputenv("QT_FONT_DPI", "96");
}

} // namespace DesktopScale
