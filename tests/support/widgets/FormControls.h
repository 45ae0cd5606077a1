#pragma once

#include <QString>
#include <QWidget>

// The control called name in a window; a test that names a control the window lacks stops here.
template <class Widget = QWidget> Widget* control(const QWidget& form, const QString& name)
{
    auto* widget = form.findChild<Widget*>(name);
    if (widget == nullptr)
        qFatal("no control %s", qPrintable(name));
    return widget;
}
