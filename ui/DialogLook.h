#pragma once

#include <QtCore/qnamespace.h>

class QLineEdit;
class QWidget;

// Looks the program's windows share.
namespace DialogLook {
// A dialog's frame: a title with the window menu and a close button, no minimise or maximise.
inline constexpr Qt::WindowFlags dialogFlags = Qt::Dialog | Qt::CustomizeWindowHint |
                                               Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                               Qt::WindowCloseButtonHint;
// Centres a window on the screen it is on (the primary one while it is on none), in the part of
// the screen that the desktop's panels leave free.
void centreOnScreen(QWidget* window);
// A read-only edit that the user reads but cannot type into: grey like an inactive frame.
void markReadOnly(QLineEdit* edit);
// A list's or a tree's selection is highlighted as strongly while another control has the focus
// as while the view has it, so that the user still sees what the buttons beside it act on.
void keepSelectionHighlighted(QWidget* view);
// Shows clearly, in every window, which control has the keyboard focus: a ring around it, and
// in a list or a tree a frame around the current row. Nothing changes while no control of the
// active window has the focus. Call once, when the application is made.
void showFocusClearly();
} // namespace DialogLook
