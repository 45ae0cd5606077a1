#include "VideoDisplay.h"

#include <QMouseEvent>
#include <QPainter>
#include <QVideoFrame>
#include <QVideoSink>

VideoDisplay::VideoDisplay(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QVideoSink* VideoDisplay::videoSink()
{
    // Made when a player asks for it, once the media back end is known to be complete: a sink
    // made without GStreamer's plugins is a broken one.
    if (m_sink == nullptr) {
        m_sink = new QVideoSink(this);
        connect(m_sink, &QVideoSink::videoFrameChanged, this, &VideoDisplay::showFrame);
    }
    return m_sink;
}

void VideoDisplay::showFrame(const QVideoFrame& frame)
{
    // An invalid frame comes when the stream stops: keep the last picture rather than flash.
    if (!frame.isValid())
        return;
    m_picture = frame.toImage();
    update();
}

void VideoDisplay::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (m_picture.isNull())
        painter.fillRect(rect(), Qt::black);
    else
        painter.drawImage(rect(), m_picture);
}

void VideoDisplay::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    Q_EMIT mousePressed();
}
