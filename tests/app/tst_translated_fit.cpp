#include "FolderDialog.h"
#include "Install_AboutForm.h"
#include "Install_ChoiceForm.h"
#include "Install_MainForm.h"
#include "Install_NewFolderPromptForm.h"
#include "Install_PromptForm.h"
#include "Install_SelectDirForm.h"
#include "ScenarioFile.h"
#include "SearchNotice.h"
#include "TestWorld.h"
#include "Translations.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QStyle>
#include <QTest>
#include <QTimer>
#include <QTranslator>

#include <functional>

namespace {

// Every text of the program half again as long, its letters accented and its placeholders and
// mnemonics kept: a catalogue longer than any real one, to try the windows with. Qt's own texts
// are left as they are.
class PseudoTranslator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }

    QString translate(const char* context, const char* sourceText, const char*, int) const override
    {
        const QString source = QString::fromUtf8(sourceText);
        if (source.isEmpty() || (context[0] == 'Q' && QChar(context[1]).isUpper()))
            return {};
        static const QString plain = QStringLiteral("aeiouycnAEIOUYCN");
        static const QString accented = QStringLiteral("áéîõüýçñÁÉÎÕÜÝÇÑ");
        QString text;
        for (qsizetype at = 0; at < source.size(); ++at) {
            const QChar letter = source.at(at);
            if (letter == u'%' && at + 1 < source.size() && source.at(at + 1).isDigit()) {
                text += source.mid(at++, 2);
                continue;
            }
            const qsizetype found = plain.indexOf(letter);
            text += found < 0 ? letter : accented.at(found);
        }
        for (qsizetype added = 0; text.size() < source.size() * 3 / 2; ++added)
            text += added % 6 == 0 ? u' ' : u'Ŵ';
        return text;
    }
};

// What the user would see wrong in a shown window: two controls over each other, or a text larger
// than its control.
QStringList misfits(const QWidget& window)
{
    QStringList found;
    QList<QWidget*> controls;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        const QString name = widget->objectName();
        // A bare frame or a picture is a backdrop the controls are meant to stand on.
        const auto* label = qobject_cast<QLabel*>(widget);
        const bool backdrop = widget->metaObject() == &QFrame::staticMetaObject ||
                              (label != nullptr && label->text().isEmpty());
        if (widget->isVisibleTo(&window) && !name.isEmpty() && !name.startsWith(u"qt_") &&
            !backdrop)
            controls << widget;
    }
    for (QWidget* one : controls) {
        if (!one->parentWidget()->rect().contains(one->geometry()))
            found << one->objectName() + QStringLiteral(" sticks out of ") +
                         one->parentWidget()->objectName();
        for (QWidget* other : controls)
            if (one < other && one->parentWidget() == other->parentWidget() &&
                one->geometry().intersects(other->geometry()))
                found << one->objectName() + QStringLiteral(" overlaps ") + other->objectName();
    }
    for (auto* label : window.findChildren<QLabel*>()) {
        if (!label->isVisibleTo(&window) || label->text().isEmpty())
            continue;
        const bool fits = label->wordWrap()
                              ? label->heightForWidth(label->width()) <= label->height()
                              : label->sizeHint().width() <= label->width();
        if (!fits)
            found << label->objectName() + QStringLiteral(" cuts \"") + label->text() + u'"';
    }
    for (auto* button : window.findChildren<QAbstractButton*>()) {
        const QString text = button->text();
        const QSize room =
            button->size() - QSize(2 * button->style()->pixelMetric(QStyle::PM_ButtonMargin), 0);
        const QSize needed = button->fontMetrics().size(Qt::TextShowMnemonic, text);
        if (button->isVisibleTo(&window) &&
            (needed.width() > room.width() || needed.height() > room.height()))
            found << button->objectName() + QStringLiteral(" cuts \"") + text + u'"';
    }
    for (auto* header : window.findChildren<QHeaderView*>()) {
        const int margins = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin);
        for (int section = 0; section < header->count(); ++section) {
            const QString text = header->model()
                                     ->headerData(section, header->orientation(), Qt::DisplayRole)
                                     .toString();
            if (header->isVisibleTo(&window) &&
                header->fontMetrics().horizontalAdvance(text) + margins >
                    header->sectionSize(section))
                found << header->parentWidget()->objectName() + QStringLiteral(" cuts \"") + text +
                             u'"';
        }
    }
    for (auto* box : window.findChildren<QComboBox*>())
        for (int item = 0; item < box->count(); ++item)
            if (box->sizeHint().width() > box->width())
                found << box->objectName() + QStringLiteral(" cuts \"") + box->itemText(item) +
                             u'"';
    return found;
}

// Shows a modal window by its own call and looks at it once it is up.
QStringList misfitsWhileModal(QDialog& dialog, const std::function<void()>& ask)
{
    QStringList found;
    QTimer::singleShot(0, &dialog, [&] {
        QTRY_VERIFY(dialog.isVisible());
        found = misfits(dialog);
        dialog.done(QDialog::Rejected);
    });
    ask();
    return found;
}

void removeTranslators()
{
    for (auto* translator : qApp->findChildren<QTranslator*>(Qt::FindDirectChildrenOnly)) {
        QCoreApplication::removeTranslator(translator);
        translator->deleteLater();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class TranslatedFitTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { removeTranslators(); }
    void textsFit_data();
    void textsFit();
    void languageOfTheDesktop_data();
    void languageOfTheDesktop();
};

void TranslatedFitTest::textsFit_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("language");
    for (const char* window : {"main window", "duplicate prompt", "folder dialog",
                               "new-folder prompt", "about box", "choice", "search notice"})
        for (const char* language : {"English", "pseudo", "de", "fr", "es", "it", "pl", "pt_BR"})
            QTest::addRow("%s, %s", window, language) << window << language;
}

// In any language each window keeps its size, with no control over another and no text cut.
void TranslatedFitTest::textsFit()
{
    QFETCH(QString, window);
    QFETCH(QString, language);
    if (language == u"pseudo") {
        auto* pseudo = new PseudoTranslator;
        pseudo->setParent(qApp);
        QCoreApplication::installTranslator(pseudo);
    } else if (language != u"English") {
        Translations::install(QLocale(language), {QStringLiteral(KORVANE_CATALOGUES)});
        QVERIFY(QCoreApplication::translate("TMainForm", "Ready.") != u"Ready.");
    }
    TestWorld world;
    world.makeFolder(QStringLiteral("prefix/drive_c/Games/AoE"));
    world.writeFile(QStringLiteral("medium/HISTSCR/The Siege of a Very Long Name.scn"),
                    makeScenarioFile("A scenario", 4096));
    world.setUninstallString(QStringLiteral("C:\\Games\\AoE\\Uninstal.exe"), true);
    const QString longPath =
        QStringLiteral("C:\\Games\\AoE\\SCENARIO\\The Siege of a Very Long Name.scn");

    QStringList found;
    TNewFolderPromptForm newFolderPrompt;
    if (window == u"main window") {
        TMainForm form(MainFormServices{});
        form.FormCreate();
        form.show();
        found = misfits(form);
    } else if (window == u"duplicate prompt") {
        TPromptForm prompt;
        found = misfitsWhileModal(prompt, [&] { prompt.ask(longPath); });
    } else if (window == u"folder dialog") {
        TSelectDirForm dialog(nullptr, newFolderPrompt);
        dialog.show();
        found = misfits(dialog);
    } else if (window == u"new-folder prompt") {
        newFolderPrompt.show();
        found = misfits(newFolderPrompt);
    } else if (window == u"about box") {
        TAboutForm about(
            nullptr, [] { return MemoryStatus{.totalPhysical = 64ULL << 30, .memoryLoad = 100}; });
        about.show();
        found = misfits(about);
    } else if (window == u"choice") {
        TChoiceForm choice;
        found = misfitsWhileModal(choice, [&] {
            choice.ask(QCoreApplication::translate("TChoiceForm",
                                                   "The game is installed in several Wine "
                                                   "prefixes. Which one is to receive the "
                                                   "scenarios?"),
                       {longPath});
        });
    } else {
        SearchNotice notice;
        notice.lookFor(
            QCoreApplication::translate("SearchNotice", "Looking for the game's Wine prefix..."));
        notice.whileWaiting(longPath);
        QTRY_VERIFY_WITH_TIMEOUT(notice.whileWaiting(longPath) && notice.isVisible(), 2000);
        found = misfits(notice);
    }
    QCOMPARE(found.join(u'\n'), QString());
}

void TranslatedFitTest::languageOfTheDesktop_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("start");  // the main window's button
    QTest::addColumn<QString>("cancel"); // Qt's own button text
    QTest::newRow("C") << "C"
                       << "&Begin installation..."
                       << "Cancel";
    QTest::newRow("English") << "en_US"
                             << "&Begin installation..."
                             << "Cancel";
    QTest::newRow("German") << "de_DE"
                            << "&Installation starten..."
                            << "Abbrechen";
    QTest::newRow("French of Canada") << "fr_CA"
                                      << "&Lancer l'installation..."
                                      << "Annuler";
    QTest::newRow("Brazilian") << "pt_BR"
                               << "&Iniciar instalação..."
                               << "Cancelar";
    // No catalogue of the program's: Qt's alone would make a window of two languages.
    QTest::newRow("Russian") << "ru_RU"
                             << "&Begin installation..."
                             << "Cancel";
}

void TranslatedFitTest::languageOfTheDesktop()
{
    QFETCH(QString, locale);
    QFETCH(QString, start);
    QFETCH(QString, cancel);
    Translations::install(QLocale(locale), {QStringLiteral(KORVANE_CATALOGUES)});
    QCOMPARE(QCoreApplication::translate("TMainForm", "&Begin installation..."), start);
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), cancel);
}

QTEST_MAIN(TranslatedFitTest)
#include "tst_translated_fit.moc"
