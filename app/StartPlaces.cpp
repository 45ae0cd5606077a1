#include "StartPlaces.h"

#include "GameFolder.h"
#include "GamePrefix.h"
#include "Guarded.h"
#include "HostName.h"
#include "Install_ChoiceForm.h"
#include "IntroLauncher.h"
#include "PackSearch.h"
#include "ScenarioTypes.h"
#include "SearchNotice.h"
#include "WinePrefix.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>

namespace {

std::optional<int> pick(const QString& prompt, const QStringList& entries)
{
    TChoiceForm form;
    return form.ask(prompt, entries);
}

// As the user knows the game: by the front-end's name for it first, when it gives one.
QString prefixEntry(const PrefixSearch::FoundPrefix& prefix)
{
    const QString folder = GameFolder::withTilde(prefix.folder);
    if (prefix.gameName.isEmpty())
        return QStringLiteral("%1: %2 (%3)").arg(prefix.frontEnd, prefix.name(), folder);
    return QStringLiteral("%1: %2 (%3)").arg(prefix.gameName, prefix.frontEnd, folder);
}

QString choosePrefix(const QList<GamePrefix::Candidate>& choices)
{
    QStringList entries;
    for (const GamePrefix::Candidate& choice : choices)
        entries << HostName::printable(prefixEntry(choice.prefix));
    const std::optional<int> picked =
        pick(TChoiceForm::tr("The game is installed in several Wine prefixes. Which one is to "
                             "receive the scenarios?"),
             entries);
    return picked ? choices.at(*picked).prefix.folder : QString();
}

// Qt's own dialog rather than the desktop's, as only it can carry the sentence on what to pick.
QString askForPackFolder()
{
    QFileDialog dialog(nullptr, TChoiceForm::tr("Where is the scenario pack?"), QDir::homePath());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    dialog.setFileMode(QFileDialog::Directory);
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout())) {
        QStringList folders = ScenarioTypes::sourceFolders();
        const QString last = folders.takeLast();
        auto* sentence =
            new QLabel(TChoiceForm::tr("A scenario pack's folder holds at least one of the folders "
                                       "%1 and %2, usually beside the video %3.")
                           .arg(folders.join(QStringLiteral(", ")), last, introVideoName),
                       &dialog);
        sentence->setWordWrap(true);
        grid->addWidget(sentence, grid->rowCount(), 0, 1, grid->columnCount());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString findPack(Lookout& lookout)
{
    const QList<PackSearch::Place> places =
        PackSearch::places(PackSearch::Where::fromMachine(lookout), lookout);
    if (lookout.givenUp())
        return {};
    if (places.isEmpty())
        return askForPackFolder();
    if (places.size() == 1)
        return places.constFirst().folder;
    QStringList entries;
    // A mount point's name or a label may hold a newline, which would show as two entries.
    for (const PackSearch::Place& place : places)
        entries << (place.label.isEmpty()
                        ? HostName::printable(place.folder)
                        : QStringLiteral("%1 [%2]").arg(HostName::printable(place.folder),
                                                        HostName::printable(place.label)));
    const std::optional<int> picked =
        pick(TChoiceForm::tr("Several scenario packs were found. Which one is to be installed?"),
             entries);
    return picked ? places.at(*picked).folder : QString();
}

// The folder the only argument names (a folder, or the folder of a file on the medium) when it is
// a pack: the desktop offers the program for any medium that holds Windows software, and one
// that is no pack leaves the search to find the pack.
QString packFromArguments(const QStringList& arguments)
{
    if (arguments.size() != 2)
        return {};
    const QFileInfo given(arguments.at(1));
    const QString folder = given.isFile() ? given.absolutePath() : given.absoluteFilePath();
    return given.exists() && PackSearch::isPack(folder) ? folder : QString();
}

} // namespace

namespace StartPlaces {

bool settle(const QStringList& arguments)
{
    SearchNotice notice;
    Lookout lookout(Lookout::standardBudget,
                    [&notice](const QString& place) { return notice.whileWaiting(place); });
    notice.lookFor(SearchNotice::tr("Looking for the game's Wine prefix..."));
    const GamePrefix::Decision decision =
        GamePrefix::decide(PrefixSearch::Roots::fromEnvironment(), lookout);
    if (notice.cancelled())
        return false;
    if (!decision.notAPrefix.isEmpty())
        errorReporter().showError(
            TChoiceForm::tr("%1 is not a Wine prefix").arg(decision.notAPrefix));
    QString prefix = decision.prefix;
    if (!decision.choices.isEmpty()) {
        // Without the prefix the user wants there is nothing to install into.
        prefix = choosePrefix(decision.choices);
        if (prefix.isEmpty())
            return false;
    }
    WinePrefix::setInEnvironment(prefix);

    QString pack = packFromArguments(arguments);
    if (pack.isEmpty() && !PackSearch::isPack(QDir::currentPath())) {
        notice.lookFor(SearchNotice::tr("Looking for the scenario pack..."));
        pack = findPack(lookout);
        // Without a pack there is nothing to do, and starting again is one click.
        if (notice.cancelled() || pack.isEmpty())
            return false;
    }
    if (!pack.isEmpty())
        QDir::setCurrent(pack);
    return true;
}

} // namespace StartPlaces
