#include "MediaBackend.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QStringList>
#include <QtGlobal>

#include <gst/gst.h>

namespace {

struct NeededPlugin
{
    const char* plugin; // GStreamer's name for it
    const char* shown;  // what the user is told is missing
    const char* debianPackage;
};

// What an AVI intro needs: the file source, the player, the AVI reader and the decoders of the
// old Windows codecs (Cinepak, Indeo, MJPEG...).
constexpr NeededPlugin neededPlugins[] = {
    {"coreelements", "core elements", "libgstreamer1.0-0"},
    {"playback", "playbin", "gstreamer1.0-plugins-base"},
    {"avi", "avidemux", "gstreamer1.0-plugins-good"},
    {"libav", "libav decoders", "gstreamer1.0-libav"},
};

QString listed(const QStringList& items)
{
    if (items.size() < 2)
        return items.join(QString());
    return QCoreApplication::translate("MediaBackend", "%1 and %2")
        .arg(QStringList(items.mid(0, items.size() - 1)).join(QStringLiteral(", ")), items.last());
}

} // namespace

void selectMediaBackend()
{
    if (qEnvironmentVariableIsEmpty("QT_MEDIA_BACKEND"))
        qputenv("QT_MEDIA_BACKEND", QByteArrayLiteral("gstreamer"));
    // A frame turned into a picture goes through the GPU when Qt finds OpenGL, and with no GPU
    // that means Mesa's software renderer and LLVM, loaded for good: some 75 MB that stay with
    // the program after the intro. The windows are drawn without OpenGL anyway, and a 480 x 360
    // frame is converted on the CPU at once.
    QCoreApplication::setAttribute(Qt::AA_ForceRasterWidgets);
}

QString missingMediaPlugins()
{
    if (qgetenv("QT_MEDIA_BACKEND") != "gstreamer")
        return {};
    GError* error = nullptr;
    if (!gst_init_check(nullptr, nullptr, &error)) {
        const QString reason = QString::fromUtf8(error != nullptr ? error->message : "");
        g_clear_error(&error);
        return QCoreApplication::translate("MediaBackend",
                                           "The intro cannot be played: GStreamer could not start "
                                           "(%1)")
            .arg(reason);
    }
    QStringList missing;
    QStringList packages;
    for (const NeededPlugin& needed : neededPlugins) {
        GstPlugin* plugin = gst_registry_find_plugin(gst_registry_get(), needed.plugin);
        if (plugin != nullptr) {
            gst_object_unref(plugin);
            continue;
        }
        missing << QString::fromLatin1(needed.shown);
        packages << QString::fromLatin1(needed.debianPackage);
    }
    if (missing.isEmpty())
        return {};
    // Each missing plugin comes with its own package: one count serves both.
    if (missing.size() == 1)
        return QCoreApplication::translate("MediaBackend",
                                           "The intro cannot be played: GStreamer's %1 is missing. "
                                           "Install the Debian package %2")
            .arg(listed(missing), listed(packages));
    return QCoreApplication::translate("MediaBackend",
                                       "The intro cannot be played: GStreamer's %1 are missing. "
                                       "Install the Debian packages %2")
        .arg(listed(missing), listed(packages));
}
