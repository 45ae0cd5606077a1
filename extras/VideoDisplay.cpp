#include "VideoDisplay.h"

#include <QCoreApplication>
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
        // A frame turned into a picture goes through the GPU when Qt finds OpenGL, and with no
        // GPU that means Mesa's software renderer and LLVM, loaded for good: some 75 MB that stay
        // with the program after the intro. The windows are drawn without OpenGL anyway, and a
        // 480 x 360 frame is converted on the CPU at once.
        QCoreApplication::setAttribute(Qt::AA_ForceRasterWidgets);
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
