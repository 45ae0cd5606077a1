#pragma once

#include "VideoDisplay.h"

#include <QAudioOutput>
#include <QMediaPlayer>
#include <QObject>
#include <QPointer>
#include <QString>
#include <memory>

class QEventLoop;

// Plays one media file into a VideoDisplay. The file is a Windows path, so a bare name resolves
// against the current directory through the platform layer (and "Intro.avi" finds a medium's
// "intro.avi"). open() and close() finish before they return; play() does not, and the end of the
// playback, or its cutting short, is announced by notify() from the event loop.
class VideoPlayer : public QObject
{
    Q_OBJECT

public:
    // How long open() waits for the back end to load the media before it gives up.
    static constexpr int openTimeoutMs = 5000;

    explicit VideoPlayer(QObject* parent = nullptr);
    ~VideoPlayer() override;

    void setFileName(const QString& windowsPath) { m_fileName = windowsPath; }
    QString fileName() const { return m_fileName; }

    // Remembers the display; the picture goes there once media with video is open.
    void setDisplay(VideoDisplay* display);

    // Closes what is open, then opens the file and waits until the back end has loaded it.
    // Throws Exception naming the file and its folder when it is missing or the back end cannot
    // load it (with the back end's first error text), and naming what the back end lacks when
    // it cannot play the file at all.
    void open();
    // Stops picture and sound at once and releases the media.
    void close();
    // Starts from the beginning when the media stands at its end; returns at once.
    void play();

    bool isOpen() const { return m_open; }
    bool hasVideo() const { return m_open && m_hasVideo; }
    // The display the picture goes to, or nullptr when none is attached.
    VideoDisplay* attachedDisplay() const { return m_attached; }

Q_SIGNALS:
    void notify();

private:
    // The back end's player is made only once it is known to have what it needs.
    void makePlayer();
    void attachDisplay();
    void detachDisplay();
    // While open() waits for the back end: keep the first error, stop waiting once it is known.
    void openFailed(QMediaPlayer::Error error, const QString& text);
    void openStatusChanged(QMediaPlayer::MediaStatus status);
    void playbackStateChanged(QMediaPlayer::PlaybackState state);
    void playbackFailed();
    void endPlayback();

    std::unique_ptr<QMediaPlayer> m_player;
    std::unique_ptr<QAudioOutput> m_audio;
    QString m_fileName;
    // The loop open() waits in, only while it waits, and the first error reported meanwhile.
    QEventLoop* m_openWait = nullptr;
    QString m_openError;
    QPointer<VideoDisplay> m_display;
    QPointer<VideoDisplay> m_attached;
    bool m_open = false;
    bool m_hasVideo = false;
    bool m_playing = false;
};
