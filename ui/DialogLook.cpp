#include "DialogLook.h"

#include <QApplication>
#include <QEvent>
#include <QFocusFrame>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QScreen>
#include <QStyleOptionFocusRect>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace {

// A fixed-size window keeps a fixed size, only smaller; another may grow back to its own size.
void fitInto(QWidget* window, const QSize& room)
{
    const QSize fitted = window->size().boundedTo(room);
    if (fitted == window->size())
        return;
    if (window->minimumSize() == window->maximumSize())
        window->setFixedSize(fitted);
    else {
        window->setMinimumSize(window->minimumSize().boundedTo(fitted));
        window->resize(fitted);
    }
}

// Names the owner to the desktop each time the window shows, once its native window exists and
// before it is mapped. Making the native window earlier would not do: without a window manager,
// X keeps windows stacked in the order they were made, and the dialog would open under its owner.
class OwnerKeeper : public QObject
{
    Q_OBJECT

public:
    explicit OwnerKeeper(QWidget* window) : QObject(window) { window->installEventFilter(this); }

    void setOwner(QWidget* owner) { m_owner = owner; }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && m_owner != nullptr)
            if (QWindow* shown = static_cast<QWidget*>(watched)->windowHandle())
                shown->setTransientParent(m_owner->window()->windowHandle());
        return false;
    }

private:
    QPointer<QWidget> m_owner;
};

// The desktop's style, but for the mark of a list's or a tree's current row, which styles draw
// faintly or only once the focus has moved by keyboard, so that a list with the focus looked the
// same as one without: here the row is framed in the selection's colour, or in the selected
// text's on a selected row.
class CurrentRowStyle : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override
    {
        const auto* focus = qstyleoption_cast<const QStyleOptionFocusRect*>(option);
        if (element != PE_FrameFocusRect || focus == nullptr || !marksRow(*focus)) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        const QPalette& colours = focus->palette;
        const bool onSelection = focus->backgroundColor == colours.color(QPalette::Highlight);
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing, false);
        painter->setPen(
            QPen(colours.color(onSelection ? QPalette::HighlightedText : QPalette::Highlight), 1));
        painter->setBrush(Qt::NoBrush);
        // Inside the row: along its edges a light line would merge with the rows around it.
        painter->drawRect(focus->rect.adjusted(1, 1, -2, -2));
        painter->restore();
    }

private:
    // An item view says what lies behind its current row (a tree view's whole row comes without
    // State_Item); other controls' focus marks leave that colour unset.
    static bool marksRow(const QStyleOptionFocusRect& focus)
    {
        return focus.state.testFlag(State_Item) || focus.backgroundColor.isValid();
    }
};

// A ring in the selection's colour around the control that has the focus, outside the control so
// that it hides nothing the control draws; QFocusFrame follows the control as it moves, resizes
// or hides.
class FocusRing : public QFocusFrame
{
public:
    using QFocusFrame::QFocusFrame;

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (widget() == nullptr)
            return;
        const int across = (width() - widget()->width()) / 2;
        const int down = (height() - widget()->height()) / 2;
        QPainter painter(this);
        painter.setClipRegion(QRegion(rect()) - rect().adjusted(across, down, -across, -down));
        painter.fillRect(rect(), palette().color(QPalette::Active, QPalette::Highlight));
    }
};

// Puts the ring on whichever control takes the focus. The ring lives in the window of the control
// it surrounds, and goes when that window goes; the next control to take the focus gets a new one.
class FocusRingMover : public QObject
{
public:
    explicit FocusRingMover(QObject* parent) : QObject(parent)
    {
        connect(qApp, &QApplication::focusChanged, this, &FocusRingMover::follow);
    }

private:
    void follow(QWidget*, QWidget* now)
    {
        // A popup (the type selector's open list) is framed as a whole already.
        if (now == nullptr || now->window()->windowType() == Qt::Popup) {
            if (m_ring)
                m_ring->setWidget(nullptr);
            return;
        }
        if (m_ring.isNull())
            m_ring = new FocusRing(now->window());
        m_ring->setWidget(now);
    }

    QPointer<FocusRing> m_ring;
};

} // namespace

namespace DialogLook {

void centreOnScreen(QWidget* window)
{
    const QScreen* screen = window->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    // The frame is known only once the window has been shown; before, it counts as none.
    const QSize frame = window->frameGeometry().size() - window->size();
    fitInto(window, area.size() - frame);
    const QPoint centred = area.center() - window->rect().center();
    window->move(std::max(centred.x(), area.left()), std::max(centred.y(), area.top()));
}

void keepOver(QWidget* window, QWidget* owner)
{
    auto* keeper = window->findChild<OwnerKeeper*>(QString(), Qt::FindDirectChildrenOnly);
    if (keeper == nullptr)
        keeper = new OwnerKeeper(window);
    keeper->setOwner(owner);
}

void markReadOnly(QLineEdit* edit)
{
    edit->setReadOnly(true);
    QPalette colours = edit->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive})
        colours.setColor(group, QPalette::Base, colours.color(group, QPalette::Window));
    edit->setPalette(colours);
}

void keepSelectionHighlighted(QWidget* view)
{
    QPalette colours = view->palette();
    for (const auto role : {QPalette::Highlight, QPalette::HighlightedText})
        colours.setBrush(QPalette::Inactive, role, colours.brush(QPalette::Active, role));
    view->setPalette(colours);
}

void showFocusClearly()
{
    if (dynamic_cast<CurrentRowStyle*>(QApplication::style()) != nullptr)
        return;
    QApplication::setStyle(new CurrentRowStyle(QApplication::style()->name()));
    new FocusRingMover(qApp);
}

} // namespace DialogLook

#include "DialogLook.moc"
