#include "ErrorBox.h"
#include "Errors.h"
#include "Guarded.h"
#include "TestDoubles.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <new>

namespace {

class ThrowingReporter : public ErrorReporter
{
public:
    void showError(const QString&) override { throw Exception(QStringLiteral("while reporting")); }
};

// Installs a reporter for one test and puts the log back afterwards.
class ReporterScope
{
public:
    explicit ReporterScope(ErrorReporter* reporter) { setErrorReporter(reporter); }
    ~ReporterScope() { setErrorReporter(nullptr); }
    ReporterScope(const ReporterScope&) = delete;
    ReporterScope& operator=(const ReporterScope&) = delete;
};

enum class Failure
{
    None,
    Exception,
    InOutError,
    StdException,
    BadAlloc,
    NotAnException
};

void fail(Failure failure)
{
    switch (failure) {
    case Failure::None:
        return;
    case Failure::Exception:
        throw Exception(QStringLiteral("Invalid data type for 'UninstallString'"));
    case Failure::InOutError:
        throw EInOutError(Win32Error::DiskFull);
    case Failure::StdException:
        throw std::runtime_error("plain failure");
    case Failure::BadAlloc:
        throw std::bad_alloc();
    case Failure::NotAnException:
        throw 42;
    }
}

class Handlers : public QObject
{
public:
    void failingHandler()
    {
        ++calls;
        throw Exception(QStringLiteral("handler failed"));
    }
    int calls = 0;
};

struct SeenBox
{
    bool found = false;
    QString objectName;
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    Qt::WindowModality modality = Qt::NonModal;
    bool applicationBlocked = false;
    QWidget* parent = nullptr;
    QStringList buttons;
    int width = 0;
};

// Answers the error box once it shows, recording what it looked like.
void answerErrorBox(SeenBox* seen, int attempts = 200)
{
    QTimer::singleShot(10, [seen, attempts] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            if (attempts > 0)
                answerErrorBox(seen, attempts - 1);
            return;
        }
        seen->found = true;
        seen->objectName = box->objectName();
        seen->caption = box->windowTitle();
        seen->text = box->text();
        seen->icon = box->icon();
        seen->modality = box->windowModality();
        seen->applicationBlocked = QGuiApplication::modalWindow() != nullptr;
        seen->parent = box->parentWidget();
        seen->width = box->width();
        for (QAbstractButton* button : box->buttons())
            seen->buttons.append(button->text());
        box->button(QMessageBox::Ok)->click();
    });
}

} // namespace

class TestErrorBox : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fullStop_data();
    void fullStop();
    void runGuarded_data();
    void runGuarded();
    void reporterThatThrows();
    void defaultReporterLogs();
    void guardedHandlerInEventLoop();
    void runQuietly_data();
    void runQuietly();
    void errorBox_data();
    void errorBox();
};

void TestErrorBox::fullStop_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("shown");

    QTest::newRow("letter") << "File not found"
                            << "File not found.";
    QTest::newRow("quotation mark is below the full stop")
        << "Invalid data type for 'UninstallString'"
        << "Invalid data type for 'UninstallString'";
    QTest::newRow("double quote") << "Cannot open \"x\""
                                  << "Cannot open \"x\"";
    QTest::newRow("full stop") << "x."
                               << "x.";
    QTest::newRow("comma is below the full stop") << "a,"
                                                  << "a,";
    QTest::newRow("hyphen is below the full stop") << "a-"
                                                   << "a-";
    QTest::newRow("slash is above the full stop") << "a/"
                                                  << "a/.";
    QTest::newRow("digit") << "I/O error 112"
                           << "I/O error 112.";
    QTest::newRow("closing bracket is below the full stop") << "Range check error (3)"
                                                            << "Range check error (3)";
    QTest::newRow("space is below the full stop") << "a "
                                                  << "a ";
    QTest::newRow("question mark") << "Why?"
                                   << "Why?.";
    QTest::newRow("empty stays empty") << ""
                                       << "";
    QTest::newRow("accented letter by its 1252 code")
        << QString::fromUtf8("Café") << QString::fromUtf8("Café.");
    QTest::newRow("ellipsis is 0x85 in 1252")
        << QString::fromUtf8("Wait…") << QString::fromUtf8("Wait….");
    QTest::newRow("outside Windows-1252") << QString::fromUtf8("Ω") << QString::fromUtf8("Ω.");
}

void TestErrorBox::fullStop()
{
    QFETCH(QString, message);
    QFETCH(QString, shown);

    QCOMPARE(errorBoxText(message), shown);
}

void TestErrorBox::runGuarded_data()
{
    QTest::addColumn<int>("failure");
    QTest::addColumn<QStringList>("reported");

    QTest::newRow("no failure") << int(Failure::None) << QStringList();
    QTest::newRow("program's exception")
        << int(Failure::Exception) << QStringList{"Invalid data type for 'UninstallString'"};
    QTest::newRow("file error") << int(Failure::InOutError)
                                << QStringList{EInOutError::messageFor(Win32Error::DiskFull)};
    QTest::newRow("standard exception")
        << int(Failure::StdException) << QStringList{"plain failure"};
    QTest::newRow("out of memory")
        << int(Failure::BadAlloc) << QStringList{QString::fromLatin1(std::bad_alloc().what())};
    QTest::newRow("not an exception")
        << int(Failure::NotAnException) << QStringList{"Unknown error"};
}

void TestErrorBox::runGuarded()
{
    QFETCH(int, failure);
    QFETCH(QStringList, reported);

    RecordingReporter reporter;
    ReporterScope scope(&reporter);
    bool ranBefore = false;
    ::runGuarded([&] {
        ranBefore = true;
        fail(Failure(failure));
    });
    QVERIFY(ranBefore);
    QCOMPARE(reporter.messages, reported);
}

void TestErrorBox::reporterThatThrows()
{
    ThrowingReporter reporter;
    ReporterScope scope(&reporter);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("first failure")));
    bool escaped = false;
    try {
        ::runGuarded([] { throw Exception(QStringLiteral("first failure")); });
    } catch (...) {
        escaped = true;
    }
    QVERIFY(!escaped);
}

void TestErrorBox::defaultReporterLogs()
{
    setErrorReporter(nullptr);
    QTest::ignoreMessage(QtWarningMsg, "Failed to get data for 'UninstallString'");
    ::runGuarded(
        [] { throw Exception(QStringLiteral("Failed to get data for 'UninstallString'")); });
}

// A handler wired with guarded() runs from the event loop; its exception is reported there and
// the loop carries on.
void TestErrorBox::guardedHandlerInEventLoop()
{
    RecordingReporter reporter;
    ReporterScope scope(&reporter);
    Handlers handlers;
    QTimer timer;
    timer.setInterval(1);
    connect(&timer, &QTimer::timeout, &handlers, guarded(&handlers, &Handlers::failingHandler));
    timer.start();
    QTRY_VERIFY(handlers.calls >= 2);
    timer.stop();
    QCOMPARE(reporter.messages.size(), handlers.calls);
    QCOMPARE(reporter.messages.first(), "handler failed");
}

void TestErrorBox::runQuietly_data()
{
    QTest::addColumn<int>("failingStep"); // 0: none
    QTest::addColumn<int>("failure");
    QTest::addColumn<bool>("completed");
    QTest::addColumn<int>("stepsRun");

    QTest::newRow("all steps") << 0 << int(Failure::None) << true << 3;
    QTest::newRow("first step fails") << 1 << int(Failure::Exception) << false << 1;
    QTest::newRow("second step fails") << 2 << int(Failure::InOutError) << false << 2;
    QTest::newRow("last step fails") << 3 << int(Failure::StdException) << false << 3;
    QTest::newRow("not an exception") << 2 << int(Failure::NotAnException) << false << 2;
}

void TestErrorBox::runQuietly()
{
    QFETCH(int, failingStep);
    QFETCH(int, failure);
    QFETCH(bool, completed);
    QFETCH(int, stepsRun);

    RecordingReporter reporter;
    ReporterScope scope(&reporter);
    int run = 0;
    const auto step = [&](int number) {
        ++run;
        if (number == failingStep)
            fail(Failure(failure));
    };
    QCOMPARE(::runQuietly([&] {
                 step(1);
                 step(2);
                 step(3);
             }),
             completed);
    QCOMPARE(run, stepsRun);
    QVERIFY(reporter.messages.isEmpty());
}

void TestErrorBox::errorBox_data()
{
    QTest::addColumn<QString>("displayName");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("text");

    QTest::newRow("title when none was set") << ""
                                             << "File not found"
                                             << "Korvane Installer"
                                             << "File not found.";
    QTest::newRow("display name set by the program") << "Korvane Installer"
                                                     << "Invalid data type for 'UninstallString'"
                                                     << "Korvane Installer"
                                                     << "Invalid data type for 'UninstallString'";
    QTest::newRow("another display name") << "Other Title"
                                          << "Disk full"
                                          << "Other Title"
                                          << "Disk full.";
    // The window manager draws the caption; a box as narrow as this message would cut it short.
    QTest::newRow("short message, whole caption") << ""
                                                  << "x"
                                                  << "Korvane Installer"
                                                  << "x.";
    QTest::newRow("short message, long caption") << "Korvane Installer - Setting up the scenarios"
                                                 << "x"
                                                 << "Korvane Installer - Setting up the scenarios"
                                                 << "x.";
}

void TestErrorBox::errorBox()
{
    QFETCH(QString, displayName);
    QFETCH(QString, message);
    QFETCH(QString, caption);
    QFETCH(QString, text);

    QGuiApplication::setApplicationDisplayName(displayName);
    QWidget mainWindow;
    mainWindow.setWindowTitle(QStringLiteral("Main window"));
    mainWindow.resize(200, 100);
    mainWindow.show();
    mainWindow.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&mainWindow));

    SeenBox seen;
    answerErrorBox(&seen);
    ErrorBox().showError(message);

    QVERIFY(seen.found);
    QCOMPARE(seen.objectName, "ErrorBox");
    QCOMPARE(seen.caption, caption);
    QCOMPARE(seen.text, text);
    QCOMPARE(seen.icon, QMessageBox::Critical);
    QCOMPARE(seen.modality, Qt::ApplicationModal);
    QVERIFY(seen.applicationBlocked);
    QCOMPARE(seen.parent, &mainWindow);
    QCOMPARE(seen.buttons.size(), 1);
    // Openbox, in its default theme under Xvfb, needed 222 pixels to draw "Korvane Installer"
    // whole: 106 beside the bold caption for the icon, three buttons and the frame.
    QFont bold = QApplication::font();
    bold.setBold(true);
    QVERIFY2(seen.width >= QFontMetrics(bold).horizontalAdvance(caption) + 106,
             qPrintable(QString::number(seen.width)));
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    QTRY_COMPARE(QApplication::activeWindow(), &mainWindow);
}

QTEST_MAIN(TestErrorBox)
#include "tst_errorbox.moc"
