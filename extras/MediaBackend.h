#pragma once

#include <QString>

// Chooses Qt Multimedia's GStreamer back end unless the user named one in QT_MEDIA_BACKEND, and
// the conversion of video frames without OpenGL. Qt 6.4's FFmpeg back end crashes on machines
// without an audio device, and the choice is read once, when the first media object is made:
// call this before the application object exists.
void selectMediaBackend();

// What the GStreamer back end lacks to play the intro, as a message that names the missing
// plugins and the Debian packages that bring them; empty when nothing is missing or another back
// end was chosen. Qt's GStreamer player crashes as it is made when GStreamer has no playbin, so
// this is asked before a player is made.
QString missingMediaPlugins();
