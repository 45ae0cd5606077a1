#pragma once

#include <QImage>
#include <QWidget>

class QVideoFrame;
class QVideoSink;

// The area a video is drawn into. Each frame is stretched over the whole widget whatever the
// video's own size, and the widget is black until the first frame arrives. Frames are painted
// here rather than through QVideoWidget, whose native child window would take the mouse presses
// that belong to this widget and cannot be grabbed on the offscreen platform.
class VideoDisplay : public QWidget
{
    Q_OBJECT

public:
    explicit VideoDisplay(QWidget* parent = nullptr);

    QVideoSink* videoSink();
    bool hasPicture() const { return !m_picture.isNull(); }

Q_SIGNALS:
    void mousePressed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void showFrame(const QVideoFrame& frame);

    QVideoSink* m_sink = nullptr;
    QImage m_picture;
};
