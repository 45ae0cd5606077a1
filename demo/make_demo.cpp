#include "DemoWorld.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>

#include <cstdio>
#include <exception>

// Makes the demo medium and Wine prefix: make_demo [options] <folder>
int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription("Makes a scenario pack's medium and a Wine prefix with the "
                                     "game installed, under <folder>/medium and <folder>/prefix.");
    parser.addHelpOption();
    const QCommandLineOption noGameEntry("no-game-entry",
                                         "Leave the game's uninstall entry out of the registry.");
    const QCommandLineOption noIntro("no-intro", "Make no Intro.avi.");
    const QCommandLineOption introSeconds("intro-seconds", "Length of the intro video.", "seconds",
                                          "4");
    const QCommandLineOption user("user", "The prefix's user name (default: $USER).", "name");
    parser.addOptions({noGameEntry, noIntro, introSeconds, user});
    parser.addPositionalArgument("folder", "Where to make the demo.");
    parser.process(application);
    if (parser.positionalArguments().size() != 1)
        parser.showHelp(2);

    DemoOptions options;
    options.gameEntry = !parser.isSet(noGameEntry);
    options.intro = !parser.isSet(noIntro);
    options.introSeconds = std::max(1, parser.value(introSeconds).toInt());
    options.userName = parser.value(user);
    const QString folder = QDir(parser.positionalArguments().front()).absolutePath();
    try {
        DemoWorld::make(folder, options);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "make_demo: %s\n", error.what());
        return 1;
    }
    std::printf("Demo medium: %s/medium\nDemo prefix: %s/prefix\n", qPrintable(folder),
                qPrintable(folder));
    return 0;
}
