#include "FormControls.h"
#include "Install_IntroForm.h"
#include "Install_MainForm.h"
#include "MediaBackend.h"
#include "TestDoubles.h"
#include "TestWorld.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

// GStreamer without its plugins, as on a machine that lacks the packages: the intro fails with
// a message that names them, and the program goes on without it.
class TestIntroWithoutGStreamer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startWithoutPlugins();
};

void TestIntroWithoutGStreamer::startWithoutPlugins()
{
    TestWorld world;
    world.setUninstallString(R"(C:\Games\AoE\Uninstal.exe)", true);
    world.writeFile("medium/Intro.avi", "RIFF");
    RecordingReporter reporter;
    setErrorReporter(&reporter);
    IntroFormLauncher intro;
    MainFormServices services;
    services.intro = &intro;

    TMainForm form(services);
    setErrorReporter(nullptr);

    QCOMPARE(reporter.messages.size(), 1);
    for (const char* package :
         {"gstreamer1.0-plugins-base", "gstreamer1.0-plugins-good", "gstreamer1.0-libav"})
        QVERIFY2(reporter.messages.first().contains(package),
                 qPrintable(reporter.messages.first()));
    QVERIFY(form.findChildren<TIntroForm*>().isEmpty());
    QCOMPARE(control<QLineEdit>(form, "AoEpathEdit")->text(), QStringLiteral(R"(C:\Games\AoE)"));
    QCOMPARE(control<QComboBox>(form, "FileTypeCombo")->currentIndex(), 0);
}

int main(int argc, char** argv)
{
    // GStreamer reads these once, when it starts: before anything in this process uses it.
    QTemporaryDir noPlugins;
    qputenv("GST_PLUGIN_SYSTEM_PATH_1_0", QFile::encodeName(noPlugins.filePath("plugins")));
    qputenv("GST_REGISTRY_1_0", QFile::encodeName(noPlugins.filePath("registry.bin")));
    qunsetenv("GST_PLUGIN_PATH_1_0");
    qunsetenv("GST_PLUGIN_PATH");
    selectMediaBackend();
    QApplication app(argc, argv);
    TestIntroWithoutGStreamer test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_intro_without_gstreamer.moc"
