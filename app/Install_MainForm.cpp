#include "Install_MainForm.h"
#include "ui_Install_MainForm.h"

#include "Artwork.h"
#include "DialogLook.h"
#include "DuplicatePrompt.h"
#include "GameFolder.h"
#include "Guarded.h"
#include "Identity.h"
#include "InstallPlan.h"
#include "Install_AboutForm.h"
#include "IntroLauncher.h"
#include "ScenarioCatalogue.h"
#include "ScenarioListModel.h"
#include "ScenarioTypes.h"
#include "TextFit.h"
#include "WinPath.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLocale>
#include <QMessageBox>
#include <QMouseEvent>
#include <QScopeGuard>
#include <QScopedValueRollback>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTextOption>

namespace {

constexpr int nameColumnWidth = 290;
constexpr int sizeColumnWidth = 60;

// Whether a point of the view's viewport lies on the check box drawn for the entry.
bool onCheckIndicator(const QAbstractItemView& view, const QModelIndex& index, QPoint point)
{
    if (!(index.flags() & Qt::ItemIsUserCheckable))
        return false;
    QStyleOptionViewItem option;
    option.initFrom(view.viewport());
    option.rect = view.visualRect(index);
    option.features = QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay;
    option.text = index.data(Qt::DisplayRole).toString();
    option.checkState = index.data(Qt::CheckStateRole).value<Qt::CheckState>();
    return view.style()
        ->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, &view)
        .contains(point);
}

constexpr int textGap = 4;

// The type selector and its caption share the row left of the sizes panel: when the two grow
// past it, they start further left, no further than the list's edge, and then the caption takes
// two lines.
void fitTypeSelector(Ui::TMainForm& ui)
{
    QLabel& caption = *ui.Label4;
    QComboBox& combo = *ui.FileTypeCombo;
    int captionWidth = std::max(caption.width(), caption.sizeHint().width());
    const int comboWidth = std::max(combo.width(), combo.sizeHint().width());
    if (captionWidth == caption.width() && comboWidth == combo.width())
        return;
    const int left = ui.FileListView->x();
    const int right = ui.SizesPanel->x() - 2 * textGap;
    int captionLeft = caption.x();
    int comboLeft = std::max(combo.x(), captionLeft + captionWidth + textGap);
    if (comboLeft + comboWidth > right) {
        captionLeft = std::max(left, captionLeft - (comboLeft + comboWidth - right));
        comboLeft = std::max(captionLeft + captionWidth + textGap, right - comboWidth);
    }
    if (comboLeft + comboWidth > right) {
        comboLeft = right - comboWidth;
        captionWidth = comboLeft - textGap - captionLeft;
        caption.setWordWrap(true);
        const int height = caption.heightForWidth(captionWidth);
        caption.setGeometry(captionLeft, combo.geometry().center().y() - height / 2, captionWidth,
                            height);
    } else {
        caption.setGeometry(captionLeft, caption.y(), captionWidth, caption.height());
    }
    combo.setGeometry(comboLeft, combo.y(), comboWidth, combo.height());
}

// Room for the translated texts; in English every control stays where it was drawn.
void fitTranslatedTexts(Ui::TMainForm& ui)
{
    fitTypeSelector(ui);
    TextFit::wrapOver(ui.Label2, ui.ScenDescMemo, textGap);
    TextFit::placeAfter(ui.Label1, ui.ScenNumLabel, textGap);
    TextFit::keepInside(ui.SizesPanel, ui.ScenNumLabel, textGap);
    TextFit::keepInside(ui.SizesPanel, ui.FreeSpaceLabel, textGap);
    const int pitch = ui.UncheckAll_Button->x() - ui.CheckAll_Button->x();
    const int below = ui.StartButton->y() - ui.CheckAll_Button->geometry().bottom();
    for (QPushButton* button : {ui.CheckAll_Button, ui.UncheckAll_Button})
        TextFit::fitButton(button, pitch - 2 * textGap, button->height() + below - textGap);
    const QRect start = ui.StartButton->geometry();
    TextFit::fitButton(ui.StartButton, 2 * (start.center().x() - ui.FileListView->x()),
                       start.height());
}

} // namespace

TMainForm::TMainForm(const MainFormServices& services, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      ui(std::make_unique<Ui::TMainForm>()), m_services(services),
      m_gameFolderChooser(*this, services.folderDialog), m_list(new ScenarioListModel(this)),
      m_run(*this)
{
    ui->setupUi(this);
    m_run.recordRunsIn(services.runRecords);
    setFixedSize(size());
    showArtwork();
    ui->BackgroundImage->lower();
    for (QLabel* label : {ui->ProgramPathLabel, ui->Label4, ui->Label1, ui->ScenNumLabel,
                          ui->FreeSpaceLabel, ui->Label2})
        setFittedText(label, label->text());
    ui->FileTypeCombo->addItems(ScenarioTypes::captions());
    ui->FileTypeCombo->setCurrentIndex(-1);
    fitTranslatedTexts(*ui);

    QTextOption centredLines = ui->ScenDescMemo->document()->defaultTextOption();
    centredLines.setAlignment(Qt::AlignHCenter);
    ui->ScenDescMemo->document()->setDefaultTextOption(centredLines);

    DialogLook::keepSelectionHighlighted(ui->FileListView);

    setFileListModel(m_list);
    for (QWidget* busy : std::initializer_list<QWidget*>{ui->StatusBar, ui->CopyProgressBar,
                                                         ui->CopyProgressGauge, ui->FreeSpaceLabel})
        m_runReports.pace(busy);

    connectHandlers();
    DialogLook::centreOnScreen(this);
    ui->FileListView->setFocus();
}

TMainForm::~TMainForm() = default;

// Nothing the user asks for may start while files are copied. Clicks and keys wait for the run's
// end by themselves; a button pressed by an assistive technology, or a close request, reaches the
// window meanwhile, and is carried out once the run has ended, as a held-back click would be.
template <class... Args> auto TMainForm::handler(void (TMainForm::*method)(Args...))
{
    return [this, method](Args... args) {
        whenNoRunGoesOn([this, method, args...] { runGuarded([&] { (this->*method)(args...); }); });
    };
}

// Clicks held back during a run reach the window before what the run held back, so one of them
// may have started another run by the time a held-back action comes: it waits again.
void TMainForm::whenNoRunGoesOn(std::function<void()> call)
{
    if (m_installing)
        m_afterRun.push_back(std::move(call));
    else
        call();
}

void TMainForm::connectHandlers()
{
    connect(ui->ShowIntro_SButton, &QToolButton::clicked, this, handler(&TMainForm::FormCreate));
    connect(ui->Undo_SButton, &QToolButton::clicked, this, handler(&TMainForm::Undo_SButtonClick));
    connect(ui->About_SButton, &QToolButton::clicked, this,
            handler(&TMainForm::About_SButtonClick));
    connect(ui->Exit_SButton, &QToolButton::clicked, this, handler(&TMainForm::Exit_SButtonClick));
    connect(ui->SelectDir_SButton, &QToolButton::clicked, this,
            handler(&TMainForm::SelectDir_SButtonClick));
    // Only a choice of the user's: FormCreate selects the first type and runs the handler itself.
    connect(ui->FileTypeCombo, &QComboBox::activated, this,
            handler(&TMainForm::ChangeScenarioType));
    connect(ui->FileListView->header(), &QHeaderView::sectionClicked, this,
            handler(&TMainForm::FileListViewColumnClick));
    ui->FileListView->viewport()->installEventFilter(this);
    connect(ui->FileListView, &QTreeView::doubleClicked, this,
            handler(&TMainForm::FileListViewDblClick));
    connect(ui->CheckAll_Button, &QPushButton::clicked, this,
            handler(&TMainForm::CheckAll_ButtonClick));
    connect(ui->UncheckAll_Button, &QPushButton::clicked, this,
            handler(&TMainForm::UncheckAll_ButtonClick));
    connect(ui->StartButton, &QPushButton::clicked, this, handler(&TMainForm::StartButtonClick));
}

void TMainForm::showArtwork()
{
    setWindowIcon(Artwork::windowIcon());
    ui->BackgroundImage->setPixmap(Artwork::pixmap(QStringLiteral(":/images/background.png")));
    ui->SelectDir_SButton->setIcon(Artwork::icon(QStringLiteral(":/images/select-dir.png")));
    ui->ShowIntro_SButton->setIcon(Artwork::icon(QStringLiteral(":/images/show-intro.png")));
    ui->Undo_SButton->setIcon(Artwork::icon(QStringLiteral(":/images/undo.png"),
                                            QStringLiteral(":/images/undo-disabled.png")));
    ui->About_SButton->setIcon(Artwork::icon(QStringLiteral(":/images/about.png"),
                                             QStringLiteral(":/images/about-disabled.png")));
    ui->Exit_SButton->setIcon(Artwork::icon(QStringLiteral(":/images/exit.png"),
                                            QStringLiteral(":/images/exit-disabled.png")));
}

void TMainForm::setFileListModel(ScenarioListModel* model)
{
    ui->FileListView->setModel(model);
    ui->FileListView->setSelectionModel(model->selectionModel());
    ui->FileListView->header()->setSectionsMovable(false);
    ui->FileListView->header()->setSectionsClickable(true);
    ui->FileListView->header()->setStretchLastSection(false);
    // A translated size heading longer than the column takes its room from the names' column.
    QHeaderView* header = ui->FileListView->header();
    const int sizeHeading =
        header->fontMetrics().horizontalAdvance(
            model->headerData(1, Qt::Horizontal, Qt::DisplayRole).toString()) +
        2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    const int widening = std::max(0, sizeHeading - sizeColumnWidth);
    header->resizeSection(0, nameColumnWidth - widening);
    header->resizeSection(1, sizeColumnWidth + widening);
    ui->FileListView->header()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // Ticks, the selection and the current entry all report through the model, in order.
    connect(model, &ScenarioListModel::entriesChanged, this,
            guarded(this, &TMainForm::FileListViewChange));
    connect(model, &QAbstractItemModel::dataChanged, this, &TMainForm::tellCurrentTick);
}

void TMainForm::tellCurrentTick(const QModelIndex& first, const QModelIndex& last,
                                const QList<int>& roles)
{
    const int current = ui->FileListView->currentIndex().row();
    if (!QAccessible::isActive() || !roles.contains(Qt::CheckStateRole) || current < first.row() ||
        current > last.row())
        return;
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(ui->FileListView);
    QAccessibleInterface* cell =
        list != nullptr && list->tableInterface() != nullptr
            ? list->tableInterface()->cellAt(current, ScenarioListModel::NameColumn)
            : nullptr;
    if (cell == nullptr)
        return;
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(cell, changed);
    QAccessible::updateAccessibility(&event);
}

void TMainForm::setFittedText(QLabel* label, const QString& text)
{
    label->setText(text);
    label->resize(label->sizeHint().width(), label->height());
    if (auto* panel = qobject_cast<QFrame*>(label->parentWidget()))
        TextFit::keepInside(panel, label, textGap);
}

void TMainForm::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        runGuarded([this] { FormActivate(); });
}

void TMainForm::ShowStatus(const QString& text)
{
    ui->StatusBar->setStatus(text);
    ui->StatusBar->repaint();
}

void TMainForm::ShowFreeSpace()
{
    updateFreeSpace();
    ui->FreeSpaceLabel->repaint();
}

void TMainForm::FormCreate()
{
    // The intro hides the main window; the activation that follows it may offer the folder.
    m_gameFolderChooser.introPlayed();
    // An intro that cannot be played is reported and costs nothing else: the game folder is
    // still read and the list filled.
    if (m_services.intro != nullptr)
        runGuarded([this] { m_services.intro->showIntro(this); });

    m_state.gameFolder = GameFolder::readGameFolder();
    showGameFolder();

    // Without a game folder the free-space line fails and the type stays unselected.
    runQuietly([this] {
        ShowFreeSpace();
        ui->FileTypeCombo->setCurrentIndex(0);
        ChangeScenarioType();
    });
}

void TMainForm::FormActivate()
{
    m_gameFolderChooser.FormActivate();
}

void TMainForm::ChangeScenarioType()
{
    selectTypeFolders();
    ui->ScenDescMemo->clear();
    ScenarioCatalogue::fillFileList(*m_list, m_state.sourceFolder);
    if (m_list->rowCount() == 0)
        return;
    m_list->selectFirst();
    ui->FileListView->setFocus();
}

void TMainForm::FileListViewChange(const QList<int>& rows)
{
    ScenarioCatalogue::countTicked(m_state, *m_list);
    setFittedText(ui->ScenNumLabel,
                  ScenarioCatalogue::countLine(m_state.tickedCount, m_state.selectedTotal));
    ui->StartButton->setEnabled(m_state.tickedCount > 0);
    // Each changed entry's description would replace the previous one, and one that cannot be
    // read would leave it: what stays is the last entry's whose description reads. A scenario
    // listed too short to hold one is passed over unread, unless its description lies in another
    // file.
    const bool inCompanions =
        ScenarioTypes::descriptionsInCompanion(ui->FileTypeCombo->currentIndex());
    for (auto row = rows.crbegin(); row != rows.crend(); ++row) {
        const ScenarioEntry& entry = m_list->entry(*row);
        if (!inCompanions && !ScenarioCatalogue::canHoldDescription(entry.size))
            continue;
        if (ShowDescription(WinPath::join(m_state.sourceFolder, entry.name)))
            return;
    }
}

bool TMainForm::ShowDescription(const QString& path)
{
    const std::optional<QString> description = ScenarioCatalogue::readDescription(
        ScenarioTypes::descriptionPath(path, ui->FileTypeCombo->currentIndex()));
    if (description)
        ui->ScenDescMemo->setPlainText(*description);
    return description.has_value();
}

void TMainForm::FileListViewColumnClick(int column)
{
    m_list->clickColumn(column);
}

// The two clicks of a double click on a check box have toggled that box already, as two clicks
// would; only a double click elsewhere on an entry toggles the selected one.
void TMainForm::FileListViewDblClick(const QModelIndex& index)
{
    if (onCheckIndicator(*ui->FileListView, index, m_listDoubleClickPos))
        return;
    if (const std::optional<int> row = m_list->firstSelectedRow())
        m_list->setTicked(*row, !m_list->entry(*row).ticked);
}

void TMainForm::CheckAll_ButtonClick()
{
    SetAllTicks(true);
}

void TMainForm::UncheckAll_ButtonClick()
{
    SetAllTicks(false);
}

void TMainForm::SetAllTicks(bool tick)
{
    // The ticks and the selection that follows make one change of the count line, the start
    // button and the description.
    const ScenarioListModel::ReportBatch oneChange(*m_list);
    m_list->setEveryTick(tick);
    ui->FileListView->setFocus();
    m_list->selectFirst();
}

void TMainForm::StartButtonClick()
{
    const QScopedValueRollback installing(m_installing, true);
    ui->StartButton->setEnabled(false);
    const auto restore = qScopeGuard([this] {
        ui->StartButton->setEnabled(m_state.tickedCount > 0);
        m_runReports.flush(); // "Ready." or the last file before an error, heard at once
        enableUndo();
        for (std::function<void()>& call : std::exchange(m_afterRun, {}))
            QMetaObject::invokeMethod(
                this, [this, call = std::move(call)] { whenNoRunGoesOn(call); },
                Qt::QueuedConnection);
    });
    // A game folder that is no folder is chosen again first; without one nothing is copied.
    m_gameFolderChooser.checkBeforeRun();
    if (!m_state.gameFolder.isEmpty())
        m_run.start(InstallPlan::ofTicked(*m_list, m_state));
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonDblClick && watched == ui->FileListView->viewport())
        m_listDoubleClickPos = static_cast<QMouseEvent*>(event)->position().toPoint();
    return QWidget::eventFilter(watched, event);
}

// A close request that arrives while files are being copied waits for the end of the run.
void TMainForm::closeEvent(QCloseEvent* event)
{
    if (m_installing) {
        m_afterRun.push_back([this] { close(); });
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

// The run paints through paintNow, so the status text waits for it instead of painting twice.
void TMainForm::setStatusText(const QString& text)
{
    ui->StatusBar->setStatus(text);
}

// The run paints the window right after, and the bar joins that paint.
void TMainForm::setFileProgress(int percent)
{
    ui->CopyProgressBar->setValueWithWindow(percent);
}

// A paint costs a round trip to the X server, more than copying a small file; the run paints the
// window right after these two, so they join that paint instead of flushing on their own.
void TMainForm::setOverallProgress(int percent)
{
    ui->CopyProgressGauge->setProgress(percent, TPercentGauge::Paint::WithWindow);
}

void TMainForm::updateFreeSpace()
{
    setFittedText(ui->FreeSpaceLabel, GameFolder::freeSpaceLine(m_state.gameFolder));
}

int TMainForm::askDuplicate(const QString& destinationPath)
{
    if (m_services.duplicatePrompt == nullptr)
        return SkipFile;
    return m_services.duplicatePrompt->ask(destinationPath);
}

// Only what the run changed is painted, in one paint, as the window's pending update would paint
// it. The update stays posted and finds nothing left to paint; taking it from the queue instead
// would let the run's own posted events in ahead of every other event.
void TMainForm::paintNow()
{
    QEvent paint(QEvent::UpdateRequest);
    QCoreApplication::sendEvent(this, &paint);
}

void TMainForm::SelectDir_SButtonClick()
{
    m_gameFolderChooser.askForGameFolder();
}

void TMainForm::showGameFolder()
{
    ui->AoEpathEdit->setText(m_state.gameFolder);
    // Which prefix is in use shows here, on the Linux side: the game folder when it maps to one,
    // else the prefix's folder, which the empty edit shows too.
    const QString host = GameFolder::hostFolder(m_state.gameFolder);
    ui->AoEpathEdit->setToolTip(host.isEmpty() ? GameFolder::prefixHint() : host);
    ui->AoEpathEdit->setPlaceholderText(GameFolder::prefixHint());
    enableUndo();
}

std::optional<RunUndo> TMainForm::lastRunHere() const
{
    // No folder would mean any folder's last run.
    const QString host = GameFolder::hostFolder(m_state.gameFolder);
    if (host.isEmpty() || m_services.runRecords.isEmpty())
        return std::nullopt;
    return RunUndo::last(m_services.runRecords, host);
}

void TMainForm::enableUndo()
{
    ui->Undo_SButton->setEnabled(lastRunHere().has_value());
}

void TMainForm::Undo_SButtonClick()
{
    const auto refresh = qScopeGuard([this] { enableUndo(); });
    std::optional<RunUndo> undo = lastRunHere();
    if (!undo)
        return;
    const RunUndo::Outcome outcome = undo->run(*this);
    if (!outcome.confirmed)
        return;
    ShowStatus(tr("Undone: %1 removed, %2 restored, %3 left as they are.")
                   .arg(outcome.removed)
                   .arg(outcome.restored)
                   .arg(outcome.left));
    ShowFreeSpace();
}

bool TMainForm::confirm(const RunRecord& record, const QString& summary)
{
    const QString question =
        tr("Undo the installation of %1 into %2?\n\nThis will %3.")
            .arg(QLocale().toString(record.when.toLocalTime(), QLocale::ShortFormat),
                 record.place.destination, summary);
    return QMessageBox::question(this, Identity::programTitle, question) == QMessageBox::Yes;
}

int TMainForm::askChanged(const QString& path)
{
    return askDuplicate(path);
}

void TMainForm::selectTypeFolders()
{
    ScenarioTypes::selectTypeFolders(m_state, ui->FileTypeCombo->currentIndex());
}

void TMainForm::About_SButtonClick()
{
    // A box of its own for each click, so that it shows the memory of the moment.
    TAboutForm about(this);
    about.exec();
}

void TMainForm::Exit_SButtonClick()
{
    QCoreApplication::quit();
}
