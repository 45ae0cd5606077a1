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
// the screen that the desktop's panels leave free. A window larger than that part, as a form laid
// out at 96 dpi becomes on a small screen at a high scale, is first cut down to it, so that its
// title bar and its buttons' edge stay on the screen.
void centreOnScreen(QWidget* window);
// Keeps a window that cannot be its owner's child (it is made before the owner, or serves one
// owner after another) over the owner as its dialog: transient for it on X11, its parent on
// Wayland, so that the desktop places it over the owner and raises them together. Holds from the
// window's next showing on; a later call names another owner.
void keepOver(QWidget* window, QWidget* owner);
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
