#include "DialogLook.h"

#include <QGuiApplication>
#include <QLineEdit>
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
    // Both need their native windows, which Qt otherwise makes only as they first show.
    window->winId();
    owner->window()->winId();
    window->windowHandle()->setTransientParent(owner->window()->windowHandle());
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
