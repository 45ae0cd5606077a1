#include "GeneratedMedia.h"

#include <QProcess>
#include <QStandardPaths>

namespace GeneratedMedia {

namespace {

// The arguments of a command line without quoting: none of ours holds a blank.
QStringList words(const QString& line)
{
    return line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

} // namespace

bool ffmpegAvailable()
{
    return !QStandardPaths::findExecutable(QStringLiteral("ffmpeg")).isEmpty();
}

QStringList solidVideo(const QString& colour, int width, int height, double seconds)
{
    return words(QStringLiteral("-f lavfi -i color=c=%1:size=%2x%3:rate=10 -t %4 -c:v mjpeg")
                     .arg(colour)
                     .arg(width)
                     .arg(height)
                     .arg(seconds));
}

QStringList patternWithSound(int width, int height, double seconds)
{
    return words(QStringLiteral("-f lavfi -i testsrc=size=%1x%2:rate=10 -f lavfi -i "
                                "sine=frequency=440 -t %3 -c:v mjpeg -c:a pcm_s16le")
                     .arg(width)
                     .arg(height)
                     .arg(seconds));
}

QStringList soundOnly(double seconds)
{
    return words(
        QStringLiteral("-f lavfi -i sine=frequency=440 -t %1 -c:a pcm_s16le").arg(seconds));
}

QString make(const QString& path, const QStringList& arguments)
{
    QProcess ffmpeg;
    ffmpeg.setProcessChannelMode(QProcess::MergedChannels);
    ffmpeg.start(QStringLiteral("ffmpeg"),
                 words(QStringLiteral("-loglevel error -y")) + arguments + QStringList{path});
    if (!ffmpeg.waitForFinished(60000))
        return QStringLiteral("ffmpeg did not finish: ") + ffmpeg.errorString();
    if (ffmpeg.exitStatus() != QProcess::NormalExit || ffmpeg.exitCode() != 0)
        return QString::fromLocal8Bit(ffmpeg.readAll());
    return {};
}

} // namespace GeneratedMedia
