#pragma once

#include "Guarded.h"

// The application's error box: a modal message box with the error's text (full stop added by
// errorBoxText), caption "Korvane Installer", OK and the error icon; the other windows are
// disabled while it shows and the previously active window is active again afterwards.
class ErrorBox : public ErrorReporter
{
public:
    void showError(const QString& message) override;
};
