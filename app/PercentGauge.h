#pragma once

#include <QColor>
#include <QWidget>

// The overall progress of an installation: a white field in a 1-pixel black frame, a bar from
// the left and "45%" in the middle, drawn as exclusive-or would draw it: black over the field
// and light yellow over the bar. It repaints at once, without waiting for the event loop, and
// only when the whole percentage changes: the installation runs on the user-interface thread.
class TPercentGauge : public QWidget
{
    Q_OBJECT

public:
    static constexpr int minimum = 0;
    static constexpr int maximum = 100;

    explicit TPercentGauge(QWidget* parent = nullptr);

    // AtOnce paints before setProgress returns; WithWindow leaves the paint to the window's
    // next one, for a caller that paints the window itself right after (the installation run
    // does, once per change of file and at most every 16 ms), so that both reach the screen in
    // one flush instead of two.
    enum class Paint
    {
        AtOnce,
        WithWindow
    };

    int progress() const { return m_progress; }
    void setProgress(int percent, Paint paint = Paint::AtOnce); // clamped to 0..100

    static QColor barColor() { return QColor(0, 0, 160); }
    // The part of the inner width the bar covers, truncated to whole pixels.
    static int barWidth(int innerWidth, int percent) { return innerWidth * percent / maximum; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_progress = minimum;
};
