#pragma once

#include <QLabel>

// The window's status line: one line of text that takes no input. Assistive technology reads it
// as a status bar whose text can be read out, and hears each new text.
class TStatusLine : public QLabel
{
    Q_OBJECT

public:
    explicit TStatusLine(QWidget* parent = nullptr);

    // Replaces the text and tells assistive technology what changed; paints with the window's
    // next paint, or at once when the caller repaints.
    void setStatus(const QString& text);
};
