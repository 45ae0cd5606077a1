#include "StatusLine.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QStyle>

namespace {

// The status line as a screen reader sees it: a status bar whose text is its name and can be
// read through the text interface, character by character or as a whole.
class StatusLineAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit StatusLineAccessible(TStatusLine* line)
        : QAccessibleWidget(line, QAccessible::StatusBar)
    {
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        return state;
    }

    QString text(QAccessible::Text type) const override
    {
        if (type == QAccessible::Name && line()->accessibleName().isEmpty())
            return line()->text();
        return QAccessibleWidget::text(type);
    }

    QString text(int startOffset, int endOffset) const override
    {
        const QString all = line()->text();
        const int start = qBound(0, startOffset, int(all.size()));
        const int end = qBound(start, endOffset, int(all.size()));
        return all.mid(start, end - start);
    }
    int characterCount() const override { return int(line()->text().size()); }

    // Nothing can be selected or edited; the caret rests at the start.
    void selection(int, int* startOffset, int* endOffset) const override
    {
        *startOffset = *endOffset = 0;
    }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* startOffset, int* endOffset) const override
    {
        *startOffset = *endOffset = offset;
        return {};
    }

    QRect characterRect(int offset) const override
    {
        const QString all = line()->text();
        if (offset < 0 || offset >= all.size())
            return {};
        const QFontMetrics metrics(line()->font());
        const QRect box = textBox(metrics);
        const QRect local(box.left() + metrics.horizontalAdvance(all.left(offset)), box.top(),
                          metrics.horizontalAdvance(all.mid(offset, 1)), box.height());
        return {line()->mapToGlobal(local.topLeft()), local.size()};
    }

    int offsetAtPoint(const QPoint& point) const override
    {
        const QFontMetrics metrics(line()->font());
        const QRect box = textBox(metrics);
        const QPoint local = line()->mapFromGlobal(point);
        if (!box.contains(local))
            return -1;
        const QString all = line()->text();
        for (int offset = 0; offset < all.size(); ++offset) {
            if (local.x() < box.left() + metrics.horizontalAdvance(all.left(offset + 1)))
                return offset;
        }
        return -1;
    }

private:
    TStatusLine* line() const { return static_cast<TStatusLine*>(widget()); }

    // Where the label draws its one line of text, in its own coordinates.
    QRect textBox(const QFontMetrics& metrics) const
    {
        const TStatusLine* label = line();
        QRect area = label->contentsRect().marginsRemoved(
            QMargins(label->margin(), label->margin(), label->margin(), label->margin()));
        int indent = label->indent();
        if (indent < 0)
            indent = label->frameWidth() > 0 ? metrics.horizontalAdvance(QLatin1Char('x')) / 2 : 0;
        const Qt::Alignment alignment =
            QStyle::visualAlignment(label->layoutDirection(), label->alignment());
        if (alignment & Qt::AlignLeft)
            area.setLeft(area.left() + indent);
        else if (alignment & Qt::AlignRight)
            area.setRight(area.right() - indent);
        const QSize size(metrics.horizontalAdvance(label->text()), metrics.height());
        return QStyle::alignedRect(Qt::LeftToRight, alignment, size, area);
    }
};

QAccessibleInterface* statusLineAccessibleFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("TStatusLine") && object != nullptr && object->isWidgetType())
        return new StatusLineAccessible(static_cast<TStatusLine*>(object));
    return nullptr;
}

} // namespace

TStatusLine::TStatusLine(QWidget* parent) : QLabel(parent)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(statusLineAccessibleFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
}

void TStatusLine::setStatus(const QString& text)
{
    const QString previous = this->text();
    if (text == previous)
        return;
    setText(text);
    // The run sets a line per copied file; without a listener the event is not worth building.
    if (QAccessible::isActive()) {
        QAccessibleTextUpdateEvent event(this, 0, previous, text);
        QAccessible::updateAccessibility(&event);
    }
}
