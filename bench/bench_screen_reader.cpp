// Runs a benchmark with the accessibility bus on and a listener on it, as a screen reader keeps
// one: it asks the bus for every object, window and focus event of every program and receives
// them while the benchmark runs. Start it in a D-Bus session of its own:
//
//   dbus-run-session -- bench_screen_reader <command> [arguments]
//
// Its exit status is the command's; it prints how many events it received.

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusReply>
#include <QProcess>

#include <cstdio>

namespace {

// The signals of the events a screen reader follows, by interface.
const struct
{
    const char* interface;
    QStringList signalNames;
} followedEvents[] = {
    {"org.a11y.atspi.Event.Object",
     {"PropertyChange", "StateChanged", "ChildrenChanged", "VisibleDataChanged", "SelectionChanged",
      "ActiveDescendantChanged", "TextChanged", "TextCaretMoved", "TextSelectionChanged",
      "ValueChanged", "ModelChanged", "RowInserted", "RowDeleted", "BoundsChanged"}},
    {"org.a11y.atspi.Event.Window", {"Activate", "Deactivate", "Create", "Destroy"}},
    {"org.a11y.atspi.Event.Focus", {"Focus"}},
};

class Listener : public QObject
{
    Q_OBJECT

public:
    int received = 0;

public Q_SLOTS:
    void receive() { ++received; }
};

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_screen_reader <command> [arguments]\n");
        return 2;
    }

    // Asking for the bus's address starts it, as a desktop session does.
    QDBusInterface launcher(QStringLiteral("org.a11y.Bus"), QStringLiteral("/org/a11y/bus"),
                            QStringLiteral("org.a11y.Bus"), QDBusConnection::sessionBus());
    const QDBusReply<QString> address = launcher.call(QStringLiteral("GetAddress"));
    if (!address.isValid())
        qFatal("no accessibility bus: %s", qPrintable(address.error().message()));
    QDBusConnection bus = QDBusConnection::connectToBus(address.value(), QStringLiteral("a11y"));

    Listener listener;
    for (const auto& followed : followedEvents)
        for (const QString& name : followed.signalNames)
            bus.connect({}, {}, QLatin1String(followed.interface), name, &listener,
                        SLOT(receive()));
    QDBusInterface registry(QStringLiteral("org.a11y.atspi.Registry"),
                            QStringLiteral("/org/a11y/atspi/registry"),
                            QStringLiteral("org.a11y.atspi.Registry"), bus);
    for (const char* event : {"object:", "window:", "focus:"}) {
        const QDBusMessage reply = registry.call(QStringLiteral("RegisterEvent"),
                                                 QLatin1String(event), QStringList(), QString());
        if (reply.type() == QDBusMessage::ErrorMessage)
            qFatal("the registry refused %s: %s", event, qPrintable(reply.errorMessage()));
    }

    QProcess command;
    command.setProcessChannelMode(QProcess::ForwardedChannels);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // Qt turns its accessibility on for a screen reader that says so; this one does not.
    environment.insert(QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"), QStringLiteral("1"));
    command.setProcessEnvironment(environment);
    QObject::connect(&command, &QProcess::finished, &application, &QCoreApplication::exit);
    QObject::connect(&command, &QProcess::errorOccurred, &application,
                     [&application] { application.exit(127); });
    QStringList arguments = application.arguments().mid(2);
    command.start(application.arguments().at(1), arguments);
    const int status = QCoreApplication::exec();
    std::printf("the listener on the accessibility bus received %d events\n", listener.received);
    return status;
}

#include "bench_screen_reader.moc"
