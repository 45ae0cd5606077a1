#include "AccessibilityPacer.h"

#include <QAccessible>
#include <QList>

#include <algorithm>

namespace {

QList<AccessibilityPacer*> pacers;
QAccessible::UpdateHandler handlerBefore = nullptr;

// The event's kind for a paced control; none for every other event.
enum class Kind
{
    Other,
    Value,
    Name,
    Text
};

Kind kindOf(const QAccessibleEvent& event)
{
    switch (event.type()) {
    case QAccessible::ValueChanged:
        return Kind::Value;
    case QAccessible::NameChanged:
        return Kind::Name;
    case QAccessible::TextUpdated:
    case QAccessible::TextInserted:
    case QAccessible::TextRemoved:
        return Kind::Text;
    default:
        return Kind::Other;
    }
}

QString currentText(QAccessibleInterface* accessible)
{
    if (QAccessibleTextInterface* text = accessible->textInterface())
        return text->text(0, text->characterCount());
    return accessible->text(QAccessible::Name);
}

} // namespace

AccessibilityPacer::AccessibilityPacer(QObject* parent) : QObject(parent)
{
    if (pacers.isEmpty())
        handlerBefore = QAccessible::installUpdateHandler(&AccessibilityPacer::handle);
    pacers.append(this);
    m_due.setSingleShot(true);
    connect(&m_due, &QTimer::timeout, this, &AccessibilityPacer::tellDue);
}

AccessibilityPacer::~AccessibilityPacer()
{
    pacers.removeOne(this);
    if (pacers.isEmpty())
        QAccessible::installUpdateHandler(handlerBefore);
}

void AccessibilityPacer::pace(QObject* control)
{
    Control& paced = m_controls[control];
    paced.object = control;
    connect(control, &QObject::destroyed, this, [this, control] { m_controls.remove(control); });
}

void AccessibilityPacer::flush()
{
    m_due.stop();
    for (Control& control : m_controls)
        tell(control);
}

void AccessibilityPacer::handle(QAccessibleEvent* event)
{
    for (AccessibilityPacer* pacer : std::as_const(pacers)) {
        if (!pacer->take(event))
            return;
    }
    pass(event);
}

// On to the platform, or to the handler that was there before.
void AccessibilityPacer::pass(QAccessibleEvent* event)
{
    if (handlerBefore != nullptr) {
        handlerBefore(event);
        return;
    }
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(&AccessibilityPacer::handle);
}

bool AccessibilityPacer::take(QAccessibleEvent* event)
{
    const Kind kind = kindOf(*event);
    const auto found = m_controls.find(event->object());
    if (kind == Kind::Other || found == m_controls.end() || event->child() >= 0)
        return true;
    Control& control = *found;
    QAccessibleInterface* accessible = event->accessibleInterface();
    if (kind == Kind::Name && accessible != nullptr && accessible->textInterface() != nullptr)
        return false; // told with its text
    const bool due = !control.sinceTold.isValid() || control.sinceTold.elapsed() >= interval;
    if (due && !control.valueHeld && !control.nameHeld && !control.textHeld) {
        control.sinceTold.start();
        if (kind == Kind::Text && accessible != nullptr)
            control.toldText = currentText(accessible);
        return true;
    }
    control.valueHeld |= kind == Kind::Value;
    control.nameHeld |= kind == Kind::Name;
    control.textHeld |= kind == Kind::Text;
    if (!m_due.isActive())
        m_due.start(std::max<qint64>(0, interval - control.sinceTold.elapsed()));
    return false;
}

// What the control shows now, as events of the kinds held back.
void AccessibilityPacer::tell(Control& control)
{
    QObject* object = control.object;
    if (object == nullptr || !(control.valueHeld || control.nameHeld || control.textHeld))
        return;
    control.sinceTold.start();
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(object);
    if (accessible == nullptr)
        return;
    if (std::exchange(control.valueHeld, false)) {
        if (QAccessibleValueInterface* value = accessible->valueInterface()) {
            QAccessibleValueChangeEvent event(object, value->currentValue());
            pass(&event);
        }
    }
    if (std::exchange(control.nameHeld, false)) {
        QAccessibleEvent event(object, QAccessible::NameChanged);
        pass(&event);
    }
    if (std::exchange(control.textHeld, false)) {
        const QString now = currentText(accessible);
        QAccessibleTextUpdateEvent event(object, 0, control.toldText, now);
        control.toldText = now;
        pass(&event);
    }
}

void AccessibilityPacer::tellDue()
{
    qint64 nextDue = -1;
    for (Control& control : m_controls) {
        if (!(control.valueHeld || control.nameHeld || control.textHeld))
            continue;
        const qint64 left = interval - control.sinceTold.elapsed();
        if (left <= 0)
            tell(control);
        else if (nextDue < 0 || left < nextDue)
            nextDue = left;
    }
    if (nextDue >= 0)
        m_due.start(nextDue);
}
