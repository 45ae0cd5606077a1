#include "Artwork.h"
#include "DesktopScale.h"
#include "DialogLook.h"
#include "ErrorBox.h"
#include "FolderDialog.h"
#include "FontSubstitutes.h"
#include "Guarded.h"
#include "Identity.h"
#include "Install_AboutForm.h"
#include "Install_IntroForm.h"
#include "Install_MainForm.h"
#include "Install_NewFolderPromptForm.h"
#include "Install_PromptForm.h"
#include "MediaBackend.h"
#include "RunRecord.h"
#include "StartPlaces.h"
#include "TerminalUndo.h"
#include "Translations.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>
#include <algorithm>
#include <string_view>

int main(int argc, char* argv[])
{
    // Old records go first, in a few milliseconds, so that their folder stays small.
    const QString runRecords = RunRecords::defaultFolder();
    RunRecords::tidy(runRecords);
    if (std::find(argv + 1, argv + argc, std::string_view("--undo")) != argv + argc) {
        QCoreApplication terminal(argc, argv);
        return TerminalUndo::run(runRecords);
    }

    DesktopScale::settle();
    selectMediaBackend();

    QApplication application(argc, argv);
    QApplication::setApplicationName(Identity::programTitle);
    QApplication::setApplicationVersion(QStringLiteral(KORVANE_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("korvane-installer"));
    QApplication::setWindowIcon(Artwork::windowIcon());
    Translations::install(QLocale::system());
    installFontSubstitutes();
    DialogLook::showFocusClearly();

    ErrorBox errorBox;
    setErrorReporter(&errorBox);

    // Started from a desktop menu, the program is neither in the pack's folder nor told the
    // game's prefix: both are found before the windows read them.
    if (!StartPlaces::settle(QApplication::arguments())) {
        setErrorReporter(nullptr);
        return 0;
    }

    // The windows live as long as the program. The ones the main window opens are made first, so
    // that it has them from the start; none shows until it is asked for, so the user sees nothing
    // of that order. What the user sees is the intro, its error box when it fails, the main window,
    // and the folder dialog on the main window's first activation; the main window is the one
    // whose closing ends the program.
    IntroFormLauncher intro;
    TPromptForm promptForm;
    // Never shown: the about button opens a box of its own.
    TAboutForm aboutForm;
    TNewFolderPromptForm newFolderPrompt;
    SelectDirFolderDialog folderDialog(newFolderPrompt);
    TMainForm mainForm({.intro = &intro,
                        .duplicatePrompt = &promptForm,
                        .folderDialog = &folderDialog,
                        .runRecords = runRecords});
    // Made before the main window, the prompt is still its dialog.
    DialogLook::keepOver(&promptForm, &mainForm);
    runGuarded([&mainForm] { mainForm.FormCreate(); });

    mainForm.show();
    // Without a window manager nothing activates a new window, and the main window's
    // activation is what offers the folder choice.
    mainForm.raise();
    mainForm.activateWindow();

    const int result = QApplication::exec();
    setErrorReporter(nullptr);
    return result;
}
