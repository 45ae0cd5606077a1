#pragma once

#include <QColor>
#include <QWidget>

// The overall progress of an installation: a white field in a 1-pixel black frame, a bar from
// the left and "45%" in the middle, drawn by exclusive-or so that it reads black over the field
// and light yellow over the bar. It repaints at once, without waiting for the event loop, and
// only when the whole percentage changes: the installation runs on the user-interface thread.
class TPercentGauge : public QWidget
{
    Q_OBJECT

public:
    static constexpr int minimum = 0;
    static constexpr int maximum = 100;

    explicit TPercentGauge(QWidget* parent = nullptr);

    int progress() const { return m_progress; }
    void setProgress(int percent); // clamped to 0..100

    static QColor barColor() { return QColor(0, 0, 160); }
    // The part of the inner width the bar covers, truncated to whole pixels.
    static int barWidth(int innerWidth, int percent) { return innerWidth * percent / maximum; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_progress = minimum;
};
