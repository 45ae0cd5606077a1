#pragma once

#include <QString>
#include <QStringList>

// Media files for the intro's tests, made by ffmpeg from its built-in sources so that nothing
// binary is committed.
namespace GeneratedMedia {

bool ffmpegAvailable();

// A video of one solid colour, in Motion JPEG inside AVI as the medium's intro is.
QStringList solidVideo(const QString& colour, int width, int height, double seconds);
// The test pattern with a tone, so that picture and sound both play.
QStringList patternWithSound(int width, int height, double seconds);
// A tone and no picture.
QStringList soundOnly(double seconds);

// Runs ffmpeg with these inputs and codecs into path; returns an empty text or ffmpeg's errors.
QString make(const QString& path, const QStringList& arguments);

} // namespace GeneratedMedia
