#include "VideoPlayer.h"

#include "Errors.h"
#include "MediaBackend.h"
#include "VideoDisplay.h"
#include "WinPath.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTimer>
#include <QUrl>

namespace {

bool isLoaded(QMediaPlayer::MediaStatus status)
{
    return status == QMediaPlayer::LoadedMedia || status == QMediaPlayer::BufferingMedia ||
           status == QMediaPlayer::BufferedMedia;
}

bool isSettled(QMediaPlayer::MediaStatus status)
{
    return isLoaded(status) || status == QMediaPlayer::InvalidMedia;
}

} // namespace

VideoPlayer::VideoPlayer(QObject* parent) : QObject(parent)
{
}

VideoPlayer::~VideoPlayer()
{
    close();
}

void VideoPlayer::makePlayer()
{
    if (m_player)
        return;
    const QString missing = missingMediaPlugins();
    if (!missing.isEmpty())
        throw Exception(missing);
    m_player = std::make_unique<QMediaPlayer>();
    m_audio = std::make_unique<QAudioOutput>();
    // Without an audio device the output simply stays silent; the picture still plays.
    m_player->setAudioOutput(m_audio.get());
    connect(m_player.get(), &QMediaPlayer::playbackStateChanged, this,
            &VideoPlayer::playbackStateChanged);
    connect(m_player.get(), &QMediaPlayer::errorOccurred, this, &VideoPlayer::playbackFailed);
    connect(m_player.get(), &QMediaPlayer::errorOccurred, this, &VideoPlayer::openFailed);
    connect(m_player.get(), &QMediaPlayer::mediaStatusChanged, this,
            &VideoPlayer::openStatusChanged);
}

void VideoPlayer::setDisplay(VideoDisplay* display)
{
    detachDisplay();
    m_display = display;
    attachDisplay();
}

void VideoPlayer::open()
{
    close();

    const QString hostPath = WinPath::toHost(m_fileName).orThrow();
    // The back end would only say "Resource not found.", which tells a user nothing to look for.
    const QFileInfo file(hostPath);
    const QString folder = file.absolutePath();
    if (!file.isFile())
        throw Exception(tr("%1 was not found in %2").arg(m_fileName, folder));
    makePlayer();

    QEventLoop loop;
    m_openWait = &loop;
    m_openError.clear();
    const auto stopListening = qScopeGuard([this] { m_openWait = nullptr; });
    QTimer::singleShot(openTimeoutMs, &loop, &QEventLoop::quit);

    m_player->setSource(QUrl::fromLocalFile(hostPath));
    if (m_openError.isEmpty() && !isSettled(m_player->mediaStatus()))
        loop.exec(QEventLoop::ExcludeUserInputEvents);

    QString failure = m_openError;
    if (failure.isEmpty() && !isLoaded(m_player->mediaStatus()))
        failure = tr("it could not be loaded in time");
    if (!failure.isEmpty()) {
        m_player->setSource(QUrl());
        throw Exception(tr("%1 in %2 cannot be played: %3").arg(m_fileName, folder, failure));
    }

    m_open = true;
    m_hasVideo = m_player->hasVideo();
    attachDisplay();
}

void VideoPlayer::openFailed(QMediaPlayer::Error, const QString& text)
{
    if (!m_openWait)
        return;
    // The back end loads asynchronously and repeats a failure several times over: the first
    // text is the one that tells the cause.
    if (m_openError.isEmpty())
        m_openError = text.isEmpty() ? tr("Unknown error code") : text;
    m_openWait->quit();
}

void VideoPlayer::openStatusChanged(QMediaPlayer::MediaStatus status)
{
    if (m_openWait && isSettled(status))
        m_openWait->quit();
}

void VideoPlayer::close()
{
    if (!m_open)
        return;
    m_player->stop();
    m_player->setSource(QUrl());
    detachDisplay();
    m_open = false;
    m_hasVideo = false;
    m_playing = false;
}

void VideoPlayer::play()
{
    if (!m_open)
        return;
    if (m_player->duration() > 0 && m_player->position() >= m_player->duration())
        m_player->setPosition(0);
    m_playing = true;
    m_player->play();
}

void VideoPlayer::attachDisplay()
{
    if (!hasVideo() || !m_display)
        return;
    m_player->setVideoSink(m_display->videoSink());
    m_attached = m_display;
}

void VideoPlayer::detachDisplay()
{
    if (!m_attached)
        return;
    m_player->setVideoSink(nullptr);
    m_attached = nullptr;
}

void VideoPlayer::playbackStateChanged(QMediaPlayer::PlaybackState state)
{
    if (state == QMediaPlayer::StoppedState)
        endPlayback();
}

void VideoPlayer::playbackFailed()
{
    endPlayback();
}

void VideoPlayer::endPlayback()
{
    if (!m_playing)
        return;
    m_playing = false;
    // Posted, as the end of a playback always is: a listener that closes a window then does so
    // from the event loop, never from inside play() or close().
    QMetaObject::invokeMethod(this, &VideoPlayer::notify, Qt::QueuedConnection);
}
