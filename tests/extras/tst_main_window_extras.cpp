#include "FolderDialog.h"
#include "FormControls.h"
#include "GeneratedMedia.h"
#include "Guarded.h"
#include "Install_AboutForm.h"
#include "Install_IntroForm.h"
#include "Install_MainForm.h"
#include "MainFormServices.h"
#include "MediaBackend.h"
#include "ScenarioFile.h"
#include "TestDoubles.h"
#include "TestWorld.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>

namespace {

// The user at the folder dialog, who always picks the same folder.
class PickingDialog : public FolderDialog
{
public:
    explicit PickingDialog(const QString& folder) : m_folder(folder) {}
    std::optional<QString> choose(QWidget*, const QString&) override { return m_folder; }

private:
    QString m_folder;
};

} // namespace

// The real intro window and about box as the main window opens them.
class TestMainWindowExtras : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void startWithoutIntroVideo();
    void startWithoutGStreamerPlugins();
    void introPlaysAtStartAndAgainOnItsButton();
    void introButtonUndoesTheUsersChoices();
    void aboutButtonOpensABoxOfItsOwn();

private:
    QTemporaryDir m_cache;
    std::unique_ptr<TestWorld> m_world;
    RecordingReporter m_reporter;
    ShowCounter<TIntroForm> m_introShowings;
    IntroFormLauncher m_intro;
    MainFormServices m_services;
};

void TestMainWindowExtras::initTestCase()
{
    QVERIFY(m_cache.isValid());
    if (GeneratedMedia::ffmpegAvailable()) {
        const QString error = GeneratedMedia::make(m_cache.filePath("short.avi"),
                                                   GeneratedMedia::patternWithSound(160, 120, 0.5));
        QVERIFY2(error.isEmpty(), qPrintable(error));
    }
    m_services.intro = &m_intro;
    qApp->installEventFilter(&m_introShowings);
}

void TestMainWindowExtras::init()
{
    m_world = std::make_unique<TestWorld>();
    m_world->setUninstallString(R"(C:\Games\AoE\Uninstal.exe)", true);
    m_reporter.messages.clear();
    m_introShowings.shown = 0;
    setErrorReporter(&m_reporter);
}

void TestMainWindowExtras::cleanup()
{
    setErrorReporter(nullptr);
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
    m_world.reset();
}

void TestMainWindowExtras::startWithoutIntroVideo()
{
    TMainForm form(m_services);
    form.FormCreate();

    // One error naming the file and the folder looked in; no black window; the game folder is
    // read all the same.
    QCOMPARE(m_reporter.messages,
             QStringList{QStringLiteral("Intro.avi was not found in ") + m_world->medium()});
    QCOMPARE(m_introShowings.shown, 0);
    QVERIFY(form.findChildren<TIntroForm*>().isEmpty());
    QCOMPARE(control<QLineEdit>(form, "AoEpathEdit")->text(), QStringLiteral(R"(C:\Games\AoE)"));
    QCOMPARE(control<QComboBox>(form, "FileTypeCombo")->currentIndex(), 0);
}

// Run alone by ctest (tst_intro_without_gstreamer) with GStreamer's plugin folder empty.
void TestMainWindowExtras::startWithoutGStreamerPlugins()
{
    if (!qEnvironmentVariableIsSet("GST_PLUGIN_SYSTEM_PATH_1_0"))
        QSKIP("needs GST_PLUGIN_SYSTEM_PATH_1_0 at an empty folder");
    m_world->writeFile("medium/Intro.avi", "RIFF");
    TMainForm form(m_services);
    form.FormCreate();

    // No crash: one error naming what to install, and the start goes on.
    QCOMPARE(m_reporter.messages.size(), 1);
    for (const char* package :
         {"gstreamer1.0-plugins-base", "gstreamer1.0-plugins-good", "gstreamer1.0-libav"})
        QVERIFY2(m_reporter.messages[0].contains(package), qPrintable(m_reporter.messages[0]));
    QCOMPARE(m_introShowings.shown, 0);
    QCOMPARE(control<QComboBox>(form, "FileTypeCombo")->currentIndex(), 0);
}

void TestMainWindowExtras::introPlaysAtStartAndAgainOnItsButton()
{
    if (!QFile::exists(m_cache.filePath("short.avi")))
        QSKIP("ffmpeg is not installed: this test needs it to make the intro video");
    QVERIFY(
        QFile::copy(m_cache.filePath("short.avi"), QDir(m_world->medium()).filePath("Intro.avi")));

    // Each showing ends with its video; the start goes on once the intro has closed.
    TMainForm form(m_services);
    form.FormCreate();
    QCOMPARE(m_introShowings.shown, 1);
    QVERIFY2(m_reporter.messages.isEmpty(), qPrintable(m_reporter.messages.join('\n')));
    QCOMPARE(form.state().gameFolder, QStringLiteral(R"(C:\Games\AoE)"));
    QCOMPARE(control<QComboBox>(form, "FileTypeCombo")->currentIndex(), 0);

    control<QToolButton>(form, "ShowIntro_SButton")->click();
    QCOMPARE(m_introShowings.shown, 2);
    QVERIFY(m_reporter.messages.isEmpty());
    QTRY_VERIFY(form.findChildren<TIntroForm*>().isEmpty());
}

void TestMainWindowExtras::introButtonUndoesTheUsersChoices()
{
    if (!QFile::exists(m_cache.filePath("short.avi")))
        QSKIP("ffmpeg is not installed: this test needs it to make the intro video");
    QVERIFY(
        QFile::copy(m_cache.filePath("short.avi"), QDir(m_world->medium()).filePath("Intro.avi")));
    m_world->makeFolder("prefix/drive_c/Games/AoE");
    m_world->addDrive(u'd', m_world->makeFolder("d-drive"));
    m_world->makeFolder("d-drive/maps");
    for (const char* file : {"medium/HISTSCR/Troy.scn", "medium/HISTSCR/Ur.scn",
                             "medium/CRAZYSCR/Moon.scn", "medium/CRAZYSCR/Mud.scn"})
        m_world->writeFile(file, makeScenarioFile("A scenario", 4096));
    PickingDialog dialog(R"(D:\maps)");
    MainFormServices services = m_services;
    services.folderDialog = &dialog;
    TMainForm form(services);
    form.FormCreate();
    auto* type = control<QComboBox>(form, "FileTypeCombo");
    const QAbstractItemModel* list = control<QTreeView>(form, "FileListView")->model();

    // The user picks a folder by hand, the crazy scenarios, and ticks them all.
    control<QToolButton>(form, "SelectDir_SButton")->click();
    QCOMPARE(form.state().gameFolder, QStringLiteral(R"(D:\maps)"));
    type->setCurrentIndex(1);
    Q_EMIT type->activated(1);
    control<QPushButton>(form, "CheckAll_Button")->click();
    QCOMPARE(form.state().tickedCount, 2);

    control<QToolButton>(form, "ShowIntro_SButton")->click();

    QCOMPARE(m_introShowings.shown, 2);
    QCOMPARE(form.state().gameFolder, QStringLiteral(R"(C:\Games\AoE)"));
    QCOMPARE(control<QLineEdit>(form, "AoEpathEdit")->text(), QStringLiteral(R"(C:\Games\AoE)"));
    QCOMPARE(type->currentIndex(), 0);
    QCOMPARE(form.state().tickedCount, 0);
    QCOMPARE(list->rowCount(), 2);
    for (int row = 0; row < list->rowCount(); ++row)
        QCOMPARE(list->index(row, 0).data(Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
    QVERIFY2(m_reporter.messages.isEmpty(), qPrintable(m_reporter.messages.join('\n')));
}

void TestMainWindowExtras::aboutButtonOpensABoxOfItsOwn()
{
    TMainForm form({});
    auto* button = control<QToolButton>(form, "About_SButton");

    QList<QPointer<TAboutForm>> opened;
    for (int click = 0; click < 2; ++click) {
        QTimer::singleShot(0, &form, [&] {
            auto* box = qobject_cast<TAboutForm*>(QApplication::activeModalWidget());
            if (box == nullptr)
                return;
            opened.append(box);
            QCOMPARE(box->parentWidget(), &form);
            QVERIFY(control<QLabel>(*box, "PhysMem")->text().endsWith(" KB"));
            box->reject();
        });
        // A box that stays open fails the test instead of hanging it.
        QTimer::singleShot(5000, &form, [] {
            if (auto* box = qobject_cast<TAboutForm*>(QApplication::activeModalWidget()))
                box->done(-1);
        });
        button->click();
    }

    QCOMPARE(opened.size(), 2);
    // Each box was made for its click and freed when it closed.
    QVERIFY(opened[0].isNull() && opened[1].isNull());
    QVERIFY(form.findChildren<TAboutForm*>().isEmpty());
    QVERIFY(m_reporter.messages.isEmpty());
}

int main(int argc, char** argv)
{
    selectMediaBackend();
    QApplication app(argc, argv);
    TestMainWindowExtras test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_main_window_extras.moc"
