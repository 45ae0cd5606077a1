#pragma once

class QAbstractButton;
class QLabel;
class QWidget;

// Room for a translated text in a window laid out in pixels for the English one: a control whose
// text is longer than the control grows into the space beside or below it, never shrinks, and
// leaves the window's size alone. English texts fit already and change nothing.
namespace TextFit {

// Widens a one-line label to its text, as far as `rightLimit` (in its parent's coordinates).
void widen(QLabel* label, int rightLimit);

// Widens a one-line label to its text and moves the field after it to the right, keeping the
// field's right edge, so that the two never meet.
void widenBefore(QLabel* label, QWidget* field, int gap);

// Deepens a wrapping label to its text and moves the top of the control below it down by as much,
// keeping that control's bottom edge.
void deepenAbove(QLabel* label, QWidget* below);

// Moves a figure right of its caption, `gap` after it, where the caption reaches past its start.
void placeAfter(const QWidget* caption, QWidget* figure, int gap);

// Widens a panel whose content reaches past its edge, to the right as far as the window allows
// (`gap` short of its edge), then to the left.
void keepInside(QWidget* panel, const QWidget* content, int gap);

// A heading that reaches past its window's edge (`gap` short of it) wraps into two lines, over
// the top of the control it heads.
void wrapOver(QLabel* heading, QWidget* below, int gap);

// Widens a button about its centre to its text, to at most `maxWidth`; a text still too long is
// broken into two lines, the button growing about its centre to at most `maxHeight`.
void fitButton(QAbstractButton* button, int maxWidth, int maxHeight);

} // namespace TextFit
