#include "Install_MainForm.h"
#include "ui_Install_MainForm.h"

#include "GameFolder.h"
#include "Guarded.h"
#include "Install_AboutForm.h"
#include "IntroLauncher.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHeaderView>
#include <QScreen>
#include <QStandardItemModel>
#include <QTextOption>

namespace {

constexpr int nameColumnWidth = 290;
constexpr int sizeColumnWidth = 60;

} // namespace

TMainForm::TMainForm(const MainFormServices& services, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      ui(std::make_unique<Ui::TMainForm>()), m_services(services)
{
    ui->setupUi(this);
    setFixedSize(size());
    ui->BackgroundImage->lower();
    for (QLabel* label : {ui->ProgramPathLabel, ui->Label4, ui->Label1, ui->ScenNumLabel,
                          ui->FreeSpaceLabel, ui->Label2})
        setFittedText(label, label->text());
    ui->FileTypeCombo->setCurrentIndex(-1);

    QTextOption centredLines = ui->ScenDescMemo->document()->defaultTextOption();
    centredLines.setAlignment(Qt::AlignHCenter);
    ui->ScenDescMemo->document()->setDefaultTextOption(centredLines);

    // The selected entry stays marked while another control has the focus.
    QPalette listPalette = ui->FileListView->palette();
    for (const auto role : {QPalette::Highlight, QPalette::HighlightedText})
        listPalette.setColor(QPalette::Inactive, role, listPalette.color(QPalette::Active, role));
    ui->FileListView->setPalette(listPalette);

    auto* placeholder = new QStandardItemModel(0, 2, this);
    placeholder->setHorizontalHeaderLabels({tr("Scenario name"), tr("File size")});
    setFileListModel(placeholder);

    connectHandlers();
    centreOnScreen();
    ui->FileListView->setFocus();

    runGuarded([this] { FormCreate(); });
}

TMainForm::~TMainForm() = default;

void TMainForm::connectHandlers()
{
    connect(ui->ShowIntro_SButton, &QToolButton::clicked, this,
            guarded(this, &TMainForm::FormCreate));
    connect(ui->About_SButton, &QToolButton::clicked, this,
            guarded(this, &TMainForm::About_SButtonClick));
    connect(ui->Exit_SButton, &QToolButton::clicked, this,
            guarded(this, &TMainForm::Exit_SButtonClick));
    connect(ui->SelectDir_SButton, &QToolButton::clicked, this,
            guarded(this, &TMainForm::SelectDir_SButtonClick));
    // Only a choice of the user's: FormCreate selects the first type and runs the handler itself.
    connect(ui->FileTypeCombo, &QComboBox::activated, this,
            guarded(this, &TMainForm::ChangeScenarioType));
    connect(ui->FileListView->header(), &QHeaderView::sectionClicked, this,
            guarded(this, &TMainForm::FileListViewColumnClick));
    connect(ui->FileListView, &QTreeView::doubleClicked, this,
            guarded(this, &TMainForm::FileListViewDblClick));
    connect(ui->CheckAll_Button, &QPushButton::clicked, this,
            guarded(this, &TMainForm::CheckAll_ButtonClick));
    connect(ui->UncheckAll_Button, &QPushButton::clicked, this,
            guarded(this, &TMainForm::UncheckAll_ButtonClick));
    connect(ui->StartButton, &QPushButton::clicked, this,
            guarded(this, &TMainForm::StartButtonClick));
}

void TMainForm::centreOnScreen()
{
    const QScreen* screen = this->screen();
    if (screen == nullptr)
        return;
    QRect frame(QPoint(), size());
    frame.moveCenter(screen->geometry().center());
    move(frame.topLeft());
}

void TMainForm::setFileListModel(QAbstractItemModel* model)
{
    ui->FileListView->setModel(model);
    ui->FileListView->header()->setSectionsMovable(false);
    ui->FileListView->header()->resizeSection(0, nameColumnWidth);
    ui->FileListView->header()->resizeSection(1, sizeColumnWidth);
    ui->FileListView->header()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    ui->FileListView->model()->setHeaderData(
        1, Qt::Horizontal, int(Qt::AlignRight | Qt::AlignVCenter), Qt::TextAlignmentRole);
    connect(ui->FileListView->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                runGuarded([this, current] { FileListViewChange(current.row()); });
            });
}

void TMainForm::setFittedText(QLabel* label, const QString& text)
{
    label->setText(text);
    label->resize(label->sizeHint().width(), label->height());
}

void TMainForm::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        runGuarded([this] { FormActivate(); });
}

void TMainForm::ShowStatus(const QString& text)
{
    ui->StatusBar->setText(text);
    ui->StatusBar->repaint();
}

void TMainForm::ShowFreeSpace()
{
    setFittedText(ui->FreeSpaceLabel, GameFolder::freeSpaceLine(m_state.gameFolder));
    ui->FreeSpaceLabel->repaint();
}

// Runs when the window is made and again from the intro button: the intro, the game folder
// afresh from the registry (dropping one chosen by hand), then the first scenario type.
void TMainForm::FormCreate()
{
    if (m_services.intro != nullptr)
        m_services.intro->showIntro(this);

    m_state.gameFolder = GameFolder::readGameFolder();
    ui->AoEpathEdit->setText(m_state.gameFolder);

    // Without a game folder the free-space line fails and the type stays unselected.
    runQuietly([this] {
        ShowFreeSpace();
        ui->FileTypeCombo->setCurrentIndex(0);
        ChangeScenarioType();
    });
}

void TMainForm::FormActivate()
{
}

void TMainForm::ChangeScenarioType()
{
}

void TMainForm::FileListViewChange(int)
{
}

void TMainForm::FileListViewColumnClick(int)
{
}

void TMainForm::FileListViewDblClick()
{
}

void TMainForm::CheckAll_ButtonClick()
{
}

void TMainForm::UncheckAll_ButtonClick()
{
}

void TMainForm::StartButtonClick()
{
}

void TMainForm::SelectDir_SButtonClick()
{
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
