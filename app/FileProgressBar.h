#pragma once

#include <QPixmap>
#include <QProgressBar>
#include <QStyle>
#include <array>

// The progress of the file being copied. The style draws the bar with gradients and rounded
// edges, which costs more than copying a small file, and a run of small files shows 0 and 100
// over and over: so the bar keeps the pictures of the last few states it drew and paints those
// again. It can also leave its paint to the window's next one, as the percentage gauge does.
class TFileProgressBar : public QProgressBar
{
    Q_OBJECT

public:
    explicit TFileProgressBar(QWidget* parent = nullptr);

    // Sets the value without painting at once: for a caller that paints the window right after.
    void setValueWithWindow(int value);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Picture
    {
        int progress = -1;
        QStyle::State state;
        qreal pixelRatio = 0;
        QPixmap pixmap;
    };
    std::array<Picture, 4> m_pictures;
    size_t m_nextToReplace = 0;
};
