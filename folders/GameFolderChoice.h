#pragma once

#include <QString>

class FolderDialog;
class QWidget;

// What the game-folder choice needs of the main window.
class GameFolderHost
{
public:
    virtual ~GameFolderHost() = default;
    virtual QString gameFolder() const = 0;
    virtual void setGameFolder(const QString& folder) = 0;
    virtual void showGameFolder() = 0;    // the game-folder line
    virtual void selectTypeFolders() = 0; // source and destination for the selected type
    virtual void updateFreeSpace() = 0;   // the free-space line, painted with the next paint
    virtual QWidget* dialogOwner() = 0;
};

// When the folder dialog opens by itself. While no game folder is known it opens on the first
// activation of the main window, and whenever the user comes back to the main window from
// elsewhere; never on the activation that merely follows its own closing, so that Cancel lets
// the user reach the rest of the window, nor on the one that follows the error box of a dialog
// that could not be made, which would fail again at once, for ever.
//
// That activation counts as the echo however late it comes: without a window manager, or with
// one that does not hand the activation back, it is the user's first click into the main window,
// and opening the dialog then would keep them from the exit button all the same.
class FolderDialogAutoOpen
{
public:
    // The main window became active: whether the dialog should open now.
    bool shouldOpen(bool gameFolderKnown);
    // The dialog closed, however it was opened, or could not be made: the activation this brings
    // (or that of the error box's closing) is no return.
    void dialogClosed();
    // The next activation counts as a return (after the intro has played).
    void rearm();

private:
    bool m_nextIsEcho = false;
};

// The three places that offer the folder dialog: the select button, the main window's
// activation, and the start of an installation.
class GameFolderChooser
{
public:
    // Without a dialog nothing is offered.
    explicit GameFolderChooser(GameFolderHost& host, FolderDialog* dialog = nullptr);

    // Opens the dialog at the game folder and adopts the folder the user confirms.
    void askForGameFolder();
    // The main window became active.
    void FormActivate();
    // The intro was played on request: its closing brings the main window back.
    void introPlayed();
    // Before an installation: a game folder that is not an existing folder is chosen again.
    void checkBeforeRun();

private:
    void adopt(const QString& chosen);

    GameFolderHost& m_host;
    FolderDialog* m_dialog;
    FolderDialogAutoOpen m_autoOpen;
};
