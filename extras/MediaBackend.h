#pragma once

// Chooses Qt Multimedia's GStreamer back end unless the user named one in QT_MEDIA_BACKEND.
// Qt 6.4's FFmpeg back end crashes on machines without an audio device, and the choice is read
// once, when the first media object is made: call this before the application object exists.
void selectMediaBackend();
