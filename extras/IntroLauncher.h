#pragma once

#include <QString>

class QWidget;

// The intro's video, on the pack's medium beside the scenario folders.
inline const QString introVideoName = QStringLiteral("Intro.avi");

// Plays the intro modally over its owner and returns when it has closed. Throws when the video
// cannot be opened, before any window shows. Tests replace it so that nothing blocks them.
class IntroLauncher
{
public:
    virtual ~IntroLauncher() = default;
    virtual void showIntro(QWidget* owner) = 0;
};
