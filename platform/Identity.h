#pragma once

#include <QString>

// What the program calls itself.
namespace Identity {
// The application's name, which X11 takes for the windows' class, and the caption of the windows
// and message boxes.
inline const QString programTitle = QStringLiteral("Korvane Installer");
} // namespace Identity
