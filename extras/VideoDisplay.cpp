#include "VideoDisplay.h"

#include <QMouseEvent>
#include <QPainter>
#include <QVideoFrame>
#include <QVideoSink>

VideoDisplay::VideoDisplay(QWidget* parent) : QWidget(parent), m_sink(new QVideoSink(this))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(m_sink, &QVideoSink::videoFrameChanged, this, &VideoDisplay::showFrame);
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
