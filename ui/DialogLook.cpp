#include "DialogLook.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QWidget>

namespace DialogLook {

void centreOnScreen(QWidget* window)
{
    const QScreen* screen = window->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (screen)
        window->move(screen->availableGeometry().center() - window->rect().center());
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
