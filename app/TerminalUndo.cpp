#include "TerminalUndo.h"

#include "DuplicatePrompt.h"
#include "Guarded.h"
#include "RunUndo.h"

#include <QTextStream>
#include <cstdio>

namespace {

class TerminalUi : public UndoUi
{
public:
    bool confirm(const RunRecord& record, const QString& summary) override
    {
        m_out << QStringLiteral("The installation of %1 into %2 (%3):\n%4.\nUndo it? [y/N] ")
                     .arg(record.when.toLocalTime().toString(Qt::ISODate), record.place.destination,
                          record.place.destinationHost, summary);
        const QString answer = readAnswer();
        return answer == u"y" || answer == u"yes";
    }

    int askChanged(const QString& path) override
    {
        m_out << QStringLiteral("%1 has changed since the installation. Undo it all the same? "
                                "[y]es, [N]o, yes to [a]ll, no to all [s], [c]ancel: ")
                     .arg(path);
        const QString answer = readAnswer();
        if (answer.isNull())
            return SkipAll; // nobody answers: every changed file stays as it is
        if (answer == u"y" || answer == u"yes")
            return OverwriteFile;
        if (answer == u"a")
            return OverwriteAll;
        if (answer == u"s")
            return SkipAll;
        if (answer == u"c")
            return CancelInstallation;
        return SkipFile;
    }

private:
    QString readAnswer()
    {
        m_out.flush();
        const QString line = m_in.readLine();
        return line.isNull() ? line : line.trimmed().toLower(); // null at the end of the input
    }

    QTextStream m_in{stdin};
    QTextStream m_out{stdout};
};

} // namespace

namespace TerminalUndo {

int run(const QString& stateFolder)
{
    QTextStream err(stderr);
    try {
        std::optional<RunUndo> undo = RunUndo::last(stateFolder);
        if (!undo) {
            err << QStringLiteral("No installation to undo: %1 records none.\n").arg(stateFolder);
            return 1;
        }
        TerminalUi ui;
        const RunUndo::Outcome outcome = undo->run(ui);
        if (outcome.confirmed)
            QTextStream(stdout) << QStringLiteral("Removed %1, restored %2, left %3 as they are.\n")
                                       .arg(outcome.removed)
                                       .arg(outcome.restored)
                                       .arg(outcome.left);
        return 0;
    } catch (const std::exception& error) {
        err << errorBoxText(QString::fromUtf8(error.what())) << '\n';
        return 1;
    }
}

} // namespace TerminalUndo
