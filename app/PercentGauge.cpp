#include "PercentGauge.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QPainter>
#include <algorithm>

namespace {

// What assistive technology reads: a progress bar with its percentage.
class GaugeAccessible : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit GaugeAccessible(TPercentGauge* gauge)
        : QAccessibleWidget(gauge, QAccessible::ProgressBar)
    {
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text type) const override
    {
        if (type == QAccessible::Value)
            return QStringLiteral("%1%").arg(gauge()->progress());
        return QAccessibleWidget::text(type);
    }

    QVariant currentValue() const override { return gauge()->progress(); }
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override { return TPercentGauge::maximum; }
    QVariant minimumValue() const override { return TPercentGauge::minimum; }
    QVariant minimumStepSize() const override { return 1; }

private:
    TPercentGauge* gauge() const { return static_cast<TPercentGauge*>(widget()); }
};

QAccessibleInterface* gaugeAccessibleFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("TPercentGauge") && object != nullptr && object->isWidgetType())
        return new GaugeAccessible(static_cast<TPercentGauge*>(object));
    return nullptr;
}

} // namespace

TPercentGauge::TPercentGauge(QWidget* parent) : QWidget(parent)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(gaugeAccessibleFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TPercentGauge::setProgress(int percent, Paint paint)
{
    const int clamped = std::clamp(percent, minimum, maximum);
    if (clamped == m_progress)
        return;
    m_progress = clamped;
    if (paint == Paint::AtOnce)
        repaint();
    else
        update();
    QAccessibleValueChangeEvent event(this, m_progress);
    QAccessible::updateAccessibility(&event);
}

void TPercentGauge::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    const QRect inner = rect().adjusted(1, 1, -1, -1);
    painter.fillRect(inner, Qt::white);
    const QRect bar(inner.topLeft(), QSize(barWidth(inner.width(), m_progress), inner.height()));
    painter.fillRect(bar, barColor());

    // The text reads as white combined by exclusive-or: black over the field, the bar's colour
    // inverted (255/255/95) over the bar, each half drawn in its own colour, so that it can be
    // smoothed. At scale 1 smoothed edges would blur figures this small, so they are drawn
    // without; on a scaled screen the same figures have pixels enough, and jagged edges would
    // show as steps.
    QFont textFont = font();
    if (painter.device()->devicePixelRatio() <= 1)
        textFont.setStyleStrategy(QFont::NoAntialias);
    painter.setFont(textFont);
    const QString text = QStringLiteral("%1%").arg(m_progress);
    const QColor barInverted(255 - barColor().red(), 255 - barColor().green(),
                             255 - barColor().blue());
    for (const auto& [part, colour] :
         {std::pair{QRegion(bar), barInverted},
          std::pair{QRegion(inner).subtracted(bar), QColor(Qt::black)}}) {
        painter.setClipRegion(part);
        painter.setPen(colour);
        painter.drawText(inner, Qt::AlignCenter, text);
    }
}
