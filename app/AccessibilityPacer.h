#pragma once

#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QTimer>

class QAccessibleEvent;

// Tells assistive technology of a few busy controls at a pace a screen reader can speak. A run
// changes the status line, the bars and the free-space line hundreds of times a second, and each
// change would reach the accessibility bus as an event: a screen reader falls behind, and what
// matters (a question, the run's end) comes to be spoken late or never. Each paced control's
// changes of value, name and text reach the bus at most once per interval, the latest state
// last; every other event passes at once. A control that has a text tells its changes as text
// alone (its name follows its text), so that one change is one event. The controls still paint
// every change.
class AccessibilityPacer : public QObject
{
    Q_OBJECT

public:
    static constexpr int interval = 1000; // ms, per control

    explicit AccessibilityPacer(QObject* parent = nullptr);
    ~AccessibilityPacer() override;

    void pace(QObject* control);
    // Tells at once what is held back, as when a run ends: its last words must not wait.
    void flush();

private:
    struct Control
    {
        QPointer<QObject> object;
        QElapsedTimer sinceTold;
        QString toldText; // the text as assistive technology last heard it
        bool valueHeld = false;
        bool nameHeld = false;
        bool textHeld = false;
    };

    static void handle(QAccessibleEvent* event);
    static void pass(QAccessibleEvent* event);
    // False when the event was held back, to be told later.
    bool take(QAccessibleEvent* event);
    void tell(Control& control);
    void tellDue();

    QHash<QObject*, Control> m_controls;
    QTimer m_due;
};
