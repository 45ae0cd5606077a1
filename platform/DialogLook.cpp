#include "DialogLook.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPointer>
#include <QScreen>
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

} // namespace DialogLook

#include "DialogLook.moc"
