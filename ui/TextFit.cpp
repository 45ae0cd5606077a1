#include "TextFit.h"

#include <QAbstractButton>
#include <QLabel>
#include <QStyle>

#include <algorithm>

namespace {

// The text's size as the button draws it, mnemonic marks aside, and the frame's margins.
QSize buttonNeeds(const QAbstractButton& button, const QString& text)
{
    const int margin = 2 * button.style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, &button);
    const QSize textSize = button.fontMetrics().size(Qt::TextShowMnemonic, text);
    return textSize + QSize(margin, margin / 2);
}

// The text with its middlemost space turned into a line break; the text itself when it has none.
QString inTwoLines(const QString& text)
{
    qsizetype best = -1;
    for (qsizetype at = text.indexOf(u' '); at >= 0; at = text.indexOf(u' ', at + 1))
        if (best < 0 || qAbs(at - text.size() / 2) < qAbs(best - text.size() / 2))
            best = at;
    if (best < 0)
        return text;
    QString broken = text;
    broken[best] = u'\n';
    return broken;
}

} // namespace

namespace TextFit {

void widen(QLabel* label, int rightLimit)
{
    const int wanted = std::min(label->sizeHint().width(), rightLimit - label->x());
    if (wanted > label->width())
        label->resize(wanted, label->height());
}

void widenBefore(QLabel* label, QWidget* field, int gap)
{
    widen(label, field->geometry().right() - gap);
    const int left = label->geometry().right() + 1 + gap;
    if (left > field->x())
        field->setGeometry(left, field->y(), field->geometry().right() + 1 - left, field->height());
}

void deepenAbove(QLabel* label, QWidget* below)
{
    const int extra = label->heightForWidth(label->width()) - label->height();
    if (extra <= 0)
        return;
    label->resize(label->width(), label->height() + extra);
    below->setGeometry(below->x(), below->y() + extra, below->width(),
                       std::max(0, below->height() - extra));
}

void placeAfter(const QWidget* caption, QWidget* figure, int gap)
{
    figure->move(std::max(figure->x(), caption->geometry().right() + 1 + gap), figure->y());
}

void keepInside(QWidget* panel, const QWidget* content, int gap)
{
    const int missing = content->geometry().right() + 1 + gap - panel->width();
    if (missing <= 0)
        return;
    const int windowRight = panel->parentWidget()->width() - gap;
    const int rightward =
        std::min(missing, std::max(0, windowRight - panel->geometry().right() - 1));
    const int leftward = std::min(missing - rightward, panel->x());
    panel->setGeometry(panel->x() - leftward, panel->y(), panel->width() + rightward + leftward,
                       panel->height());
}

void wrapOver(QLabel* heading, QWidget* below, int gap)
{
    const int right = heading->parentWidget()->width() - gap;
    if (heading->geometry().right() < right)
        return;
    heading->resize(right - heading->x(), heading->height());
    heading->setWordWrap(true);
    deepenAbove(heading, below);
}

void fitButton(QAbstractButton* button, int maxWidth, int maxHeight)
{
    const QRect was = button->geometry();
    QSize needed = buttonNeeds(*button, button->text());
    if (needed.width() > maxWidth) {
        const QString broken = inTwoLines(button->text());
        button->setText(broken);
        needed = buttonNeeds(*button, broken);
    }
    const int width = std::clamp(needed.width(), was.width(), std::max(was.width(), maxWidth));
    const int height = std::clamp(needed.height(), was.height(), std::max(was.height(), maxHeight));
    button->setGeometry(was.x() - (width - was.width()) / 2, was.y() - (height - was.height()) / 2,
                        width, height);
}

} // namespace TextFit
