#pragma once

#include "Guarded.h"

#include <QEvent>
#include <QObject>
#include <QStringList>

// Stands in for the error box: keeps the messages it would show, in order.
class RecordingReporter : public ErrorReporter
{
public:
    void showError(const QString& message) override { messages.append(message); }
    QStringList messages;
};

// Counts the paints of the widgets it filters.
class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// Counts the windows of class Window that became visible among the objects it filters.
template <class Window> class ShowCounter : public QObject
{
public:
    int shown = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && qobject_cast<Window*>(watched))
            ++shown;
        return false;
    }
};
