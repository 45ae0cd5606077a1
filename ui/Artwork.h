#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

// The program's own pictures, compiled in as PNG files, read as PNG straight away: left to find
// the format by itself, Qt loads every image plugin on the machine (SVG, JPEG, GIF...) to ask
// each one first, which costs the start of the program a few milliseconds and the memory of
// libraries it never uses.
namespace Artwork {

// Each picture is read in the drawing for the screens' scale: its own pixels at scale 1, its
// name@2x.png drawing above.
QPixmap pixmap(const QString& resourcePath);
// The icon, with a picture of its own for the disabled state when one is named; it holds both
// drawings of each, so that it is sharp on any screen it is painted on.
QIcon icon(const QString& resourcePath, const QString& disabledPath = {});
// The program's own icon, which its windows show; the folder dialog shows a hand of its own.
QIcon windowIcon();

} // namespace Artwork
