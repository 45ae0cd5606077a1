#pragma once

class IntroLauncher;

// The windows the main window opens modally, reached through interfaces so that tests answer
// them without a window. A missing one is skipped.
struct MainFormServices
{
    IntroLauncher* intro = nullptr;
};
