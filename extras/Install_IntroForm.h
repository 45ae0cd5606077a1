#pragma once

#include "IntroLauncher.h"
#include "VideoPlayer.h"

#include <QDialog>
#include <QRect>
#include <memory>

namespace Ui {
class TIntroForm;
}

// Where the 480 x 360 video area lies on a window of this size: centred by integer division
// that truncates toward zero, so on a screen smaller than the area its edges lie outside.
QRect introDisplayPlace(const QSize& windowSize);

// The intro: a borderless black window over the whole primary screen, on top of the others,
// with the video in the middle. It closes when the video ends, on any key and on a click on the
// video (not on the black around it), and frees itself once closed.
class TIntroForm : public QDialog
{
    Q_OBJECT

public:
    static constexpr int displayWidth = 480;
    static constexpr int displayHeight = 360;

    // Opens the intro's video (introVideoName) and starts it; throws when the video cannot be
    // opened, so that no window is ever shown for a missing video.
    explicit TIntroForm(QWidget* owner);
    ~TIntroForm() override;

    void done(int result) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FormCreate();
    void FormKeyDown();
    void DisplayPanelMouseDown();
    void MediaPlayerNotify();
    void FormClose();

    std::unique_ptr<Ui::TIntroForm> ui;
    VideoPlayer MediaPlayer;
    bool m_closing = false;
};

// Shows a new intro window modally over its owner.
class IntroFormLauncher : public IntroLauncher
{
public:
    void showIntro(QWidget* owner) override;
};
