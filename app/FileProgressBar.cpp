#include "FileProgressBar.h"

#include <QEvent>
#include <QPainter>
#include <QStyleOptionProgressBar>
#include <algorithm>

TFileProgressBar::TFileProgressBar(QWidget* parent) : QProgressBar(parent)
{
}

void TFileProgressBar::setValueWithWindow(int value)
{
    // The bar repaints itself on a change of its value unless its updates are held back; let go,
    // it schedules the paint instead.
    setUpdatesEnabled(false);
    setValue(value);
    setUpdatesEnabled(true);
}

void TFileProgressBar::paintEvent(QPaintEvent*)
{
    QStyleOptionProgressBar option;
    initStyleOption(&option);
    const qreal pixelRatio = devicePixelRatio();
    auto picture = std::find_if(m_pictures.begin(), m_pictures.end(), [&](const Picture& kept) {
        return kept.progress == option.progress && kept.state == option.state &&
               kept.pixelRatio == pixelRatio;
    });
    if (picture == m_pictures.end()) {
        picture = m_pictures.begin() +
                  std::exchange(m_nextToReplace, (m_nextToReplace + 1) % m_pictures.size());
        picture->pixmap = QPixmap(size() * pixelRatio);
        picture->pixmap.setDevicePixelRatio(pixelRatio);
        picture->pixmap.fill(Qt::transparent);
        QPainter drawing(&picture->pixmap);
        style()->drawControl(QStyle::CE_ProgressBar, &option, &drawing, this);
        picture->progress = option.progress;
        picture->state = option.state;
        picture->pixelRatio = pixelRatio;
    }
    QPainter(this).drawPixmap(0, 0, picture->pixmap);
}

// Anything else that changes how the style draws the bar makes the kept pictures stale.
void TFileProgressBar::changeEvent(QEvent* event)
{
    m_pictures.fill({});
    QProgressBar::changeEvent(event);
}

void TFileProgressBar::resizeEvent(QResizeEvent* event)
{
    m_pictures.fill({});
    QProgressBar::resizeEvent(event);
}
