#pragma once

class QLineEdit;
class QWidget;

// Looks the folder dialogs share.
namespace DialogLook {
// Centres a window on the screen it is on.
void centreOnScreen(QWidget* window);
// A read-only edit that the user reads but cannot type into: grey like an inactive frame.
void markReadOnly(QLineEdit* edit);
} // namespace DialogLook
