#include "Errors.h"
#include "GeneratedMedia.h"
#include "Guarded.h"
#include "Install_IntroForm.h"
#include "MediaBackend.h"
#include "TestDoubles.h"
#include "TestWorld.h"
#include "VideoDisplay.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPointer>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <utility>

namespace {

// Spoils the intro's file the first time the event loop runs, which is inside the wait of the
// open while the window is built: the back end already reads the file it opened, so that open
// succeeds, and the reopen in FormCreate meets the spoilt file.
class SpoilDuringFirstOpen : public QObject
{
public:
    SpoilDuringFirstOpen(QString path, QByteArray junk) : m_path(std::move(path)), m_junk(junk)
    {
        m_timer = startTimer(0);
    }
    bool spoilt() const { return m_timer == 0; }

protected:
    void timerEvent(QTimerEvent*) override
    {
        killTimer(std::exchange(m_timer, 0));
        // Replaced, not rewritten: the file handle the back end holds keeps the old content.
        QFile::remove(m_path);
        if (!m_junk.isNull()) {
            QFile file(m_path);
            if (file.open(QIODevice::WriteOnly))
                file.write(m_junk);
        }
    }

private:
    QString m_path;
    QByteArray m_junk;
    int m_timer = 0;
};

bool isRed(QRgb pixel)
{
    return qRed(pixel) > 200 && qGreen(pixel) < 60 && qBlue(pixel) < 60;
}

} // namespace

class TestIntroForm : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void displayPlace_data();
    void displayPlace();

    void unopenableVideo_data();
    void unopenableVideo();
    void lowerCaseNameOnMedium();

    void closesOn_data();
    void closesOn();
    void lateNotificationChangesNothing();
    void reopenFails_data();
    void reopenFails();

    void endsByItself_data();
    void endsByItself();
    void pictureFillsTheArea();

    void readableByAssistiveTechnology();

private:
    void putIntro(const QString& cachedName, const QString& nameOnMedium = "Intro.avi");
    TIntroForm* showIntro();
    VideoDisplay* displayOf(TIntroForm* form);
    void perform(const QString& action, TIntroForm* form);
    // Performs action and checks that the window closes at once, or stays open, as closes says.
    void performAndCheckClosing(const QString& action, const QPointer<TIntroForm>& form,
                                bool closes);

    QTemporaryDir m_cache;
    std::unique_ptr<TestWorld> m_world;
    RecordingReporter m_reporter;
    ShowCounter<TIntroForm> m_shows; // the intro windows that ever became visible
};

void TestIntroForm::initTestCase()
{
    if (!GeneratedMedia::ffmpegAvailable())
        QSKIP("ffmpeg is not installed: the intro's tests need it to make their videos");
    QVERIFY(m_cache.isValid());
    const struct
    {
        const char* name;
        QStringList arguments;
    } media[] = {
        {"long.avi", GeneratedMedia::solidVideo("blue", 320, 240, 30)},
        {"wide.avi", GeneratedMedia::solidVideo("red", 160, 90, 30)},
        {"short.avi", GeneratedMedia::patternWithSound(320, 240, 0.6)},
        {"sound.avi", GeneratedMedia::soundOnly(0.6)},
    };
    for (const auto& [name, arguments] : media) {
        const QString error = GeneratedMedia::make(m_cache.filePath(name), arguments);
        QVERIFY2(error.isEmpty(), qPrintable(error));
    }
    qApp->installEventFilter(&m_shows);
}

void TestIntroForm::init()
{
    m_world = std::make_unique<TestWorld>();
    m_reporter.messages.clear();
    m_shows.shown = 0;
    setErrorReporter(&m_reporter);
}

void TestIntroForm::cleanup()
{
    setErrorReporter(nullptr);
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* intro = qobject_cast<TIntroForm*>(window))
            intro->reject();
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
    m_world.reset();
}

void TestIntroForm::putIntro(const QString& cachedName, const QString& nameOnMedium)
{
    QVERIFY(
        QFile::copy(m_cache.filePath(cachedName), QDir(m_world->medium()).filePath(nameOnMedium)));
}

TIntroForm* TestIntroForm::showIntro()
{
    auto* form = new TIntroForm(nullptr);
    form->show();
    return form;
}

VideoDisplay* TestIntroForm::displayOf(TIntroForm* form)
{
    return form->findChild<VideoDisplay*>(QStringLiteral("DisplayPanel"));
}

// A key press or a mouse press on the intro, as closesOn's rows name them.
void TestIntroForm::perform(const QString& action, TIntroForm* form)
{
    VideoDisplay* panel = displayOf(form);
    if (action == "key A")
        QTest::keyClick(form, Qt::Key_A);
    else if (action == "key Escape")
        QTest::keyClick(form, Qt::Key_Escape);
    else if (action == "key Shift")
        QTest::keyClick(form, Qt::Key_Shift);
    else if (action == "key on panel")
        QTest::keyClick(panel, Qt::Key_Space);
    else if (action == "left click panel")
        QTest::mousePress(panel, Qt::LeftButton, {}, QPoint(240, 180));
    else if (action == "right click panel")
        QTest::mousePress(panel, Qt::RightButton, {}, QPoint(1, 1));
    else if (action == "click border")
        QTest::mouseClick(form, Qt::LeftButton, {}, panel->geometry().topLeft() - QPoint(2, 2));
    else
        QFAIL(qPrintable("no such action: " + action));
}

void TestIntroForm::performAndCheckClosing(const QString& action, const QPointer<TIntroForm>& form,
                                           bool closes)
{
    perform(action, form);
    if (closes) {
        QTRY_VERIFY(form.isNull());
    } else {
        QTest::qWait(300);
        QVERIFY(!form.isNull());
        QVERIFY(form->isVisible());
    }
}

void TestIntroForm::displayPlace_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QPoint>("topLeft");

    QTest::newRow("640 x 480") << QSize(640, 480) << QPoint(80, 60);
    QTest::newRow("800 x 600") << QSize(800, 600) << QPoint(160, 120);
    QTest::newRow("1024 x 768") << QSize(1024, 768) << QPoint(272, 204);
    QTest::newRow("odd margins round toward the left") << QSize(1025, 769) << QPoint(272, 204);
    QTest::newRow("smaller than the area") << QSize(320, 200) << QPoint(-80, -80);
    QTest::newRow("one pixel short truncates toward zero") << QSize(479, 359) << QPoint(0, 0);
    QTest::newRow("three pixels short") << QSize(477, 357) << QPoint(-1, -1);
}

void TestIntroForm::displayPlace()
{
    QFETCH(QSize, screen);
    QFETCH(QPoint, topLeft);

    QCOMPARE(introDisplayPlace(screen), QRect(topLeft, QSize(480, 360)));
}

void TestIntroForm::unopenableVideo_data()
{
    QTest::addColumn<QByteArray>("content");

    QTest::newRow("missing") << QByteArray();
    QTest::newRow("not a video") << QByteArray("These are the release notes, not a video.\n");
    QTest::newRow("empty file") << QByteArray("");
}

void TestIntroForm::unopenableVideo()
{
    QFETCH(QByteArray, content);
    if (!content.isNull())
        m_world->writeFile("medium/Intro.avi", content);

    QWidget owner;
    QString message;
    QElapsedTimer clock;
    clock.start();
    try {
        IntroFormLauncher().showIntro(&owner);
        QFAIL("the intro opened a file that is no video");
    } catch (const Exception& error) {
        message = error.message();
    }

    // The user is told which file, and where it was looked for.
    QVERIFY2(message.startsWith("Intro.avi ") && message.contains(m_world->medium()),
             qPrintable(message));
    QVERIFY2(clock.elapsed() < VideoPlayer::openTimeoutMs,
             "the failure must be known without waiting for the open to time out");
    QCOMPARE(m_shows.shown, 0);
    QVERIFY(owner.findChildren<TIntroForm*>().isEmpty());
    QVERIFY(m_reporter.messages.isEmpty());
}

void TestIntroForm::lowerCaseNameOnMedium()
{
    putIntro("long.avi", "intro.avi");

    QPointer<TIntroForm> form = showIntro();
    QVERIFY(m_reporter.messages.isEmpty());
    QTRY_VERIFY(displayOf(form)->hasPicture());
}

void TestIntroForm::closesOn_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("closes");

    QTest::newRow("a letter key") << "key A" << true;
    QTest::newRow("Escape") << "key Escape" << true;
    QTest::newRow("Shift alone") << "key Shift" << true;
    QTest::newRow("a key sent to the video area") << "key on panel" << true;
    QTest::newRow("left click on the video") << "left click panel" << true;
    QTest::newRow("right click on the video") << "right click panel" << true;
    QTest::newRow("click on the black border") << "click border" << false;
}

void TestIntroForm::closesOn()
{
    QFETCH(QString, action);
    QFETCH(bool, closes);
    putIntro("long.avi");

    QPointer<TIntroForm> form = showIntro();
    VideoDisplay* panel = displayOf(form);
    QVERIFY(QTest::qWaitForWindowExposed(form));
    QTRY_VERIFY(panel->hasPicture());

    performAndCheckClosing(action, form, closes);
    if (QTest::currentTestFailed())
        return;
    QVERIFY(m_reporter.messages.isEmpty());
}

void TestIntroForm::lateNotificationChangesNothing()
{
    putIntro("long.avi");

    QPointer<TIntroForm> form = showIntro();
    QVERIFY(QTest::qWaitForWindowExposed(form));
    auto* player = form->findChild<VideoPlayer*>(QStringLiteral("MediaPlayer"));
    QSignalSpy finished(form.data(), &QDialog::finished);
    QSignalSpy notices(player, &VideoPlayer::notify);

    // The key cuts the playback short; its end is reported afterwards, to a window already closing.
    QTest::keyClick(form, Qt::Key_Return);
    QCOMPARE(finished.size(), 1);
    QVERIFY(!form->isVisible());
    QVERIFY(!player->isOpen());
    Q_EMIT player->notify();
    QTRY_VERIFY(form.isNull());

    QCOMPARE(finished.size(), 1);
    QCOMPARE(m_shows.shown, 1);
    QVERIFY(m_reporter.messages.isEmpty());
}

void TestIntroForm::reopenFails_data()
{
    QTest::addColumn<QByteArray>("junk");
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("closes");

    const QByteArray notes("These are the release notes, not a video.\n");
    QTest::newRow("replaced by text, then a key") << notes << "key A" << true;
    QTest::newRow("replaced by text, then a click on the panel")
        << notes << "left click panel" << true;
    QTest::newRow("replaced by text, then a click on the border")
        << notes << "click border" << false;
    QTest::newRow("deleted, then a key") << QByteArray() << "key Escape" << true;
}

void TestIntroForm::reopenFails()
{
    QFETCH(QByteArray, junk);
    QFETCH(QString, action);
    QFETCH(bool, closes);
    putIntro("long.avi");
    SpoilDuringFirstOpen spoiler(QDir(m_world->medium()).filePath("Intro.avi"), junk);

    QPointer<TIntroForm> form = new TIntroForm(nullptr);
    QVERIFY(spoiler.spoilt());
    QCOMPARE(m_reporter.messages.size(), 1);
    QVERIFY(!m_reporter.messages.first().isEmpty());

    // The window still comes up, black over the whole screen, its panel where it was drawn.
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form));
    VideoDisplay* panel = displayOf(form);
    auto* player = form->findChild<VideoPlayer*>(QStringLiteral("MediaPlayer"));
    QCOMPARE(form->geometry(), QGuiApplication::primaryScreen()->geometry());
    QCOMPARE(panel->geometry(), QRect(55, 56, 369, 248));
    QVERIFY(!player->isOpen());
    QVERIFY(!player->attachedDisplay());
    QTest::qWait(300);
    const QImage shot = form->grab().toImage();
    for (const QPoint& point : {panel->geometry().center(), panel->geometry().topLeft()})
        QCOMPARE(QColor(shot.pixel(point)), QColor(Qt::black));

    performAndCheckClosing(action, form, closes);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(m_reporter.messages.size(), 1);
}

void TestIntroForm::endsByItself_data()
{
    QTest::addColumn<QString>("media");
    QTest::addColumn<bool>("hasVideo");

    QTest::newRow("picture and sound") << "short.avi" << true;
    QTest::newRow("sound without picture") << "sound.avi" << false;
}

void TestIntroForm::endsByItself()
{
    QFETCH(QString, media);
    QFETCH(bool, hasVideo);
    putIntro(media);

    QWidget owner;
    bool cutShort = false;
    bool pictureShown = false;
    bool displayAttached = false;
    // Watches each showing from inside its modal loop and ends a hung one, so the test fails
    // instead of waiting for ever.
    QTimer watcher;
    QElapsedTimer clock;
    connect(&watcher, &QTimer::timeout, [&] {
        auto* intro = qobject_cast<TIntroForm*>(QApplication::activeModalWidget());
        if (!intro)
            return;
        auto* player = intro->findChild<VideoPlayer*>(QStringLiteral("MediaPlayer"));
        displayAttached = displayAttached || player->attachedDisplay();
        pictureShown = pictureShown || displayOf(intro)->hasPicture();
        if (clock.elapsed() > 15000) {
            cutShort = true;
            intro->reject();
        }
    });
    watcher.start(20);

    // A second click of the intro button plays it again, in a new window.
    for (int showing = 1; showing <= 2; ++showing) {
        clock.restart();
        IntroFormLauncher().showIntro(&owner);
        QVERIFY2(!cutShort, "the intro did not close when its media ended");
        QCOMPARE(m_shows.shown, showing);
    }

    QCOMPARE(pictureShown, hasVideo);
    QCOMPARE(displayAttached, hasVideo);
    QTRY_VERIFY(owner.findChildren<TIntroForm*>().isEmpty());
    QVERIFY(m_reporter.messages.isEmpty());
}

void TestIntroForm::pictureFillsTheArea()
{
    putIntro("wide.avi");

    QPointer<TIntroForm> form = showIntro();
    VideoDisplay* panel = displayOf(form);
    QVERIFY(QTest::qWaitForWindowExposed(form));
    QTRY_VERIFY(panel->hasPicture());

    const QSize screen = QGuiApplication::primaryScreen()->size();
    QCOMPARE(form->geometry(), QGuiApplication::primaryScreen()->geometry());
    // Full screen, not merely screen-sized: a Wayland compositor places a window itself.
    QVERIFY(form->windowHandle()->windowStates().testFlag(Qt::WindowFullScreen));
    QCOMPARE(panel->geometry(), introDisplayPlace(screen));

    // A 16:9 picture stretched over the 4:3 area, with no bars above, below or beside it.
    const QImage shot = form->grab().toImage();
    const QRect area = panel->geometry();
    for (const QPoint& point :
         {area.topLeft(), area.topRight(), area.bottomLeft(), area.bottomRight(), area.center(),
          QPoint(area.center().x(), area.top()), QPoint(area.left(), area.center().y())})
        QVERIFY2(
            isRed(shot.pixel(point)),
            qPrintable(QStringLiteral("not the picture at %1,%2").arg(point.x()).arg(point.y())));
    for (const QPoint& point : {area.topLeft() - QPoint(1, 1), area.bottomRight() + QPoint(1, 1)})
        QCOMPARE(QColor(shot.pixel(point)), QColor(Qt::black));
}

void TestIntroForm::readableByAssistiveTechnology()
{
    putIntro("long.avi");

    QPointer<TIntroForm> form = showIntro();
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(form.data());
    QAccessibleInterface* video = QAccessible::queryAccessibleInterface(displayOf(form));
    QVERIFY(window && video);
    QCOMPARE(window->text(QAccessible::Name), QStringLiteral("Intro animation"));
    QCOMPARE(video->text(QAccessible::Name), QStringLiteral("Intro video"));
}

int main(int argc, char** argv)
{
    selectMediaBackend();
    QApplication app(argc, argv);
    TestIntroForm test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_intro_form.moc"
