#pragma once

class QLineEdit;
class QWidget;

// Looks the program's windows share.
namespace DialogLook {
// Centres a window on the screen it is on (the primary one while it is on none), in the part of
// the screen that the desktop's panels leave free.
void centreOnScreen(QWidget* window);
// A read-only edit that the user reads but cannot type into: grey like an inactive frame.
void markReadOnly(QLineEdit* edit);
} // namespace DialogLook
