#include "GeneratedMedia.h"

#include <QProcess>
#include <QStandardPaths>

namespace GeneratedMedia {

namespace {

QString duration(double seconds)
{
    return QString::number(seconds, 'f', 2);
}

} // namespace

bool ffmpegAvailable()
{
    return !QStandardPaths::findExecutable(QStringLiteral("ffmpeg")).isEmpty();
}

QStringList solidVideo(const QString& colour, int width, int height, double seconds)
{
    return {QStringLiteral("-f"),
            QStringLiteral("lavfi"),
            QStringLiteral("-i"),
            QStringLiteral("color=c=%1:size=%2x%3:rate=10").arg(colour).arg(width).arg(height),
            QStringLiteral("-t"),
            duration(seconds),
            QStringLiteral("-c:v"),
            QStringLiteral("mjpeg"),
            QStringLiteral("-q:v"),
            QStringLiteral("2")};
}

QStringList patternWithSound(int width, int height, double seconds)
{
    return {
        QStringLiteral("-f"),   QStringLiteral("lavfi"),
        QStringLiteral("-i"),   QStringLiteral("testsrc=size=%1x%2:rate=10").arg(width).arg(height),
        QStringLiteral("-f"),   QStringLiteral("lavfi"),
        QStringLiteral("-i"),   QStringLiteral("sine=frequency=440"),
        QStringLiteral("-t"),   duration(seconds),
        QStringLiteral("-c:v"), QStringLiteral("mjpeg"),
        QStringLiteral("-c:a"), QStringLiteral("pcm_s16le")};
}

QStringList soundOnly(double seconds)
{
    return {QStringLiteral("-f"),   QStringLiteral("lavfi"),
            QStringLiteral("-i"),   QStringLiteral("sine=frequency=440"),
            QStringLiteral("-t"),   duration(seconds),
            QStringLiteral("-c:a"), QStringLiteral("pcm_s16le")};
}

QString make(const QString& path, const QStringList& arguments)
{
    QProcess ffmpeg;
    ffmpeg.setProcessChannelMode(QProcess::MergedChannels);
    ffmpeg.start(
        QStringLiteral("ffmpeg"),
        QStringList{QStringLiteral("-loglevel"), QStringLiteral("error"), QStringLiteral("-y")} +
            arguments + QStringList{path});
    if (!ffmpeg.waitForFinished(60000))
        return QStringLiteral("ffmpeg did not finish: ") + ffmpeg.errorString();
    if (ffmpeg.exitStatus() != QProcess::NormalExit || ffmpeg.exitCode() != 0)
        return QString::fromLocal8Bit(ffmpeg.readAll());
    return {};
}

} // namespace GeneratedMedia
