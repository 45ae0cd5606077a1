#pragma once

#include "WorldBuilder.h"

#include <QString>

// The demo: a pack's medium (the four scenario folders and the intro video) and a 64-bit Wine
// prefix holding an installed copy of the game, both made from scratch under one folder.
struct DemoOptions
{
    bool gameEntry = true; // the game's uninstall entry in the prefix's registry
    bool intro = true;     // Intro.avi on the medium (needs ffmpeg)
    int introSeconds = 4;
    QString userName; // the prefix's user; empty: the current user's login name
};

namespace DemoWorld {

// Makes <folder>/medium and <folder>/prefix, replacing a demo made there before. Refuses a
// folder that holds anything but an earlier demo. Throws std::runtime_error on failure.
void make(const QString& folder, const DemoOptions& options);

// The pack's folders and files on the world's medium, the intro video when the options ask.
void makeMedium(const WorldBuilder& world, const DemoOptions& options);
// The game installed in the prefix, its registry entry when the options ask, drive Z: = /.
void makePrefix(PrefixBuilder& prefix, const DemoOptions& options);
// A short video of the pack's title over the background picture, with a tone, by ffmpeg.
void makeIntroVideo(const QString& path, int seconds);

// The game folder inside the prefix, and the Windows path the registry entry points at.
QString gameFolder(const QString& prefix);
QString gameFolderWindowsPath();
// The pack file that the demo game folder already holds, so the duplicate prompt shows.
QString preinstalledScenario();

} // namespace DemoWorld
