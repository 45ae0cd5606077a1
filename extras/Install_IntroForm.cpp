#include "Install_IntroForm.h"

#include "Guarded.h"
#include "ui_Install_IntroForm.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>

QRect introDisplayPlace(const QSize& windowSize)
{
    return QRect((windowSize.width() - TIntroForm::displayWidth) / 2,
                 (windowSize.height() - TIntroForm::displayHeight) / 2, TIntroForm::displayWidth,
                 TIntroForm::displayHeight);
}

TIntroForm::TIntroForm(QWidget* owner)
    : QDialog(owner), ui(std::make_unique<Ui::TIntroForm>()), MediaPlayer(this)
{
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setAttribute(Qt::WA_DeleteOnClose);
    MediaPlayer.setObjectName(QStringLiteral("MediaPlayer"));
    MediaPlayer.setFileName(introVideoName);
    MediaPlayer.setDisplay(ui->DisplayPanel);
    // The first of two opens: a video that cannot be opened at all throws from here, so that the
    // caller gets the error and no window is ever made for it. FormCreate opens it again.
    MediaPlayer.open();

    connect(ui->DisplayPanel, &VideoDisplay::mousePressed, this,
            guarded(this, &TIntroForm::DisplayPanelMouseDown));
    connect(&MediaPlayer, &VideoPlayer::notify, this,
            guarded(this, &TIntroForm::MediaPlayerNotify));
    runGuarded([this] { FormCreate(); });
}

TIntroForm::~TIntroForm() = default;

void TIntroForm::FormCreate()
{
    // Full screen, so that the desktop hides its panels and gives the window the whole output
    // (on Wayland only the compositor places a window); the geometry is for the X server with no
    // window manager, which knows nothing of the state.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        setGeometry(screen->geometry());
    setWindowState(Qt::WindowFullScreen);
    // Opened afresh for the playback, on the whole screen. Should the file have become unreadable
    // since the first open, the error box says so and the window still shows, black, closing on a
    // key or a click.
    MediaPlayer.open();
    ui->DisplayPanel->setGeometry(introDisplayPlace(size()));
    MediaPlayer.play();
}

void TIntroForm::keyPressEvent(QKeyEvent* event)
{
    event->accept();
    runGuarded([this] { FormKeyDown(); });
}

void TIntroForm::FormKeyDown()
{
    reject();
}

void TIntroForm::DisplayPanelMouseDown()
{
    reject();
}

void TIntroForm::MediaPlayerNotify()
{
    reject();
}

void TIntroForm::done(int)
{
    // The playback that a key press cut short still reports its end afterwards, when the
    // window is already closing.
    if (m_closing)
        return;
    m_closing = true;
    runGuarded([this] { FormClose(); });
    QDialog::done(QDialog::Rejected);
}

void TIntroForm::FormClose()
{
    MediaPlayer.close();
}

void IntroFormLauncher::showIntro(QWidget* owner)
{
    // The dialog deletes itself when exec() returns, as it is marked to delete on close.
    auto* intro = new TIntroForm(owner);
    intro->exec();
}
